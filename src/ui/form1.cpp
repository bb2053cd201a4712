#include "ui/form1.hpp"

#include "ui/clipboard.hpp"
#include "ui/clock.hpp"
#include "ui/field_problem.hpp"
#include "ui/message_bar.hpp"
#include "ui/qt_date_locale.hpp"
#include "ui/qt_text.hpp"
#include "words/window.hpp"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTimer>

#include <algorithm>
#include <string_view>

namespace skyanchor {
namespace {

// A screen reader meets the window as a frame named by its title, as it meets other applications'
// main windows (a plain widget would be a "filler"), holding only the children shown: the panel
// beside the form, while hidden, is not in its tree.
class WindowAsFrame final : public QAccessibleWidget {
public:
    explicit WindowAsFrame(QWidget* window) : QAccessibleWidget(window, QAccessible::Window) {}

    [[nodiscard]] int childCount() const override { return static_cast<int>(shownChildren().size()); }
    [[nodiscard]] QAccessibleInterface* child(int index) const override {
        const QList<QObject*> shown = shownChildren();
        return index >= 0 && index < shown.size() ? QAccessible::queryAccessibleInterface(shown.at(index)) : nullptr;
    }
    [[nodiscard]] int indexOfChild(const QAccessibleInterface* child) const override {
        return child == nullptr ? -1 : static_cast<int>(shownChildren().indexOf(child->object()));
    }

private:
    [[nodiscard]] QList<QObject*> shownChildren() const {
        QList<QObject*> shown;
        for (QWidget* child : widget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (!child->isWindow() && !child->isHidden()) shown << child;
        }
        return shown;
    }
};

QAccessibleInterface* windowAsFrame(const QString& /*className*/, QObject* object) {
    auto* window = dynamic_cast<Form1*>(object);
    return window == nullptr ? nullptr : new WindowAsFrame(window);
}

}  // namespace

FormServices systemServices() {
    return FormServices{
        .readClock = readClockSerial,
        .clipboard = std::make_shared<SystemClipboard>(),
        .dateLocale = dateLocaleOf(QLocale::system()),
        .numbers = numberConventionsOf(QLocale::system()),
    };
}

Form1::Form1(FormServices services, std::chrono::milliseconds scoldPause)
    : form(std::move(services)), marks([this](const QWidget* shown) {
          const std::optional<Control> control = controlOf(shown);
          return control ? form.noteAt(*control) : std::nullopt;
      }) {
    static const bool asFrame = (QAccessible::installFactory(windowAsFrame), true);
    static_cast<void>(asFrame);
    // A right-to-left locale mirrors the window as -reverse does, whether or not Qt has a translation for it.
    if (QLocale().textDirection() == Qt::RightToLeft) setLayoutDirection(Qt::RightToLeft);
    buildControls();
    describeControls(txtDateandTime->text());
    for (const auto& [field, control] : textFields()) {
        const auto show = [this, control = control] {
            showNote(control);
            showMessage();
        };
        scoldDelays[control] = new ScoldDelay(field, show, show, scoldPause);
    }
    connectHandlers();
    showChanges(std::nullopt);
    // The first readout, which builds the locale's long date writer, comes once the event loop
    // runs, as the icon comes after the first paint, so that it never delays the window's appearance.
    QTimer::singleShot(0, this, [this] {
        readoutDeferred = false;
        showMessage();
    });
}

// The application's focus changes, and the fields' held-back scolding (which the focus leaving a
// field as the window closes sets off), outlive the window's members: they stop before those go.
Form1::~Form1() {
    disconnect(qApp, nullptr, this, nullptr);
    for (const auto& [control, delay] : scoldDelays) delete delay;
}

void Form1::connectHandlers() {
    for (const auto& [field, control] : textFields()) {
        connect(field, &QLineEdit::textChanged, this, [this, control = control](const QString& text) {
            handOver(control, [&] { form.edit(control, text.toStdString()); }, control);
        });
    }
    const auto clicks = [this](QAbstractButton* button, Control control) {
        connect(button, &QAbstractButton::clicked, this, [this, control] { handOver(control, [&] { form.click(control); }); });
    };
    clicks(optEast, Control::optEast);
    clicks(optWest, Control::optWest);
    clicks(Command2, Control::Command2);
    clicks(Command4, Control::Command4);
    clicks(Command5, Control::Command5);

    auto* copyKey = new QAction(List1);
    copyKey->setShortcuts(QKeySequence::Copy);
    copyKey->setShortcutContext(Qt::WidgetShortcut);
    connect(copyKey, &QAction::triggered, this, [this] { copyListSelection(); });
    List1->addAction(copyKey);
    connect(qApp, &QApplication::focusChanged, this, [this] { showMessage(); });
    messageBar->setAfterConfirmation([this] { showMessage(); });
}

// One event of the person's: the form runs it, the window shows what it changed, and a copy that
// went through is confirmed in the message band. Any event ends a confirmation standing from
// before, so that what it changed shows at once.
void Form1::handOver(Control control, const std::function<void()>& event, std::optional<Control> edited) {
    messageBar->endConfirmation();
    event();
    showChanges(edited);
    if (control == Control::Command2) confirmCopy(control, words::kLinesCopied);
    if (control == Control::Command4) confirmCopy(control, words::kMjdCopied);
}

void Form1::copyListSelection() {
    std::vector<std::size_t> rows;
    for (const QModelIndex& index : List1->selectionModel()->selectedRows()) rows.push_back(static_cast<std::size_t>(index.row()));
    if (rows.empty()) return;
    std::sort(rows.begin(), rows.end());
    form.copyListLines(rows);
    showChanges(std::nullopt);
    confirmCopy(Control::List1, rows.size() == 2 ? words::kLinesCopied : words::kLineCopied);
}

void Form1::confirmCopy(Control copy, std::string_view confirmation) {
    if (!form.noteAt(copy)) messageBar->confirm(toQString(confirmation));
}

// Writes back what the last event changed, with the widgets' own notifications blocked, so that
// nothing the form wrote comes back to it as an edit. The band is told once, at the end, so a
// screen reader hears one message per event. The field being typed into keeps a problem
// to itself until the typing pauses; the problem goes at once when its text reads.
void Form1::showChanges(std::optional<Control> edited) {
    const FormChanges changes = form.takeChanges();
    for (const auto& [field, control] : textFields()) {
        const QString text = toQString(form.text(control));
        if (!changes.texts.test(indexOf(control)) || field->text() == text) continue;
        const QSignalBlocker programWrite(field);
        field->setText(text);
    }
    {
        const QSignalBlocker east(optEast);
        const QSignalBlocker west(optWest);
        (form.isWest() ? optWest : optEast)->setChecked(true);
    }
    tabToTheChoice();
    if (changes.list) {
        List1->clear();
        for (const std::string& line : form.listLines()) List1->addItem(toQString(line));
    }
    for (QWidget* copied : std::initializer_list<QWidget*>{List1, Command2, Command4}) copied->setEnabled(form.linesUsable());
    if (changes.dateReading) {
        txtDateandTime->setPlaceholderText(form.dateReading() == DateReading::NoDateForMjd
                                               ? toQString(kNoDateForMjd)
                                               : QString());
    }
    for (std::size_t index = 0; index < kControlCount; ++index) {
        const auto control = static_cast<Control>(index);
        if (control == edited) {
            scoldDelays.at(control)->edited(!form.noteAt(control).has_value());
            if (!form.noteAt(control)) showNote(control);
        } else if (changes.notes.test(index) && isShown(control)) {
            showNote(control);
        }
    }
    showMessage();
    if (afterEvent) afterEvent();
    if (changes.closed) {
        close();
        QCoreApplication::exit(0);
    }
}

void Form1::showNote(Control control) {
    QWidget* shown = widgetOf(control);
    const std::optional<Note>& note = form.noteAt(control);
    if (note) {
        marks.mark(shown);
    } else {
        marks.clear(shown);
    }
}

// The band shows the message of the control with the focus, else the latest, else the result
// read back; a confirmation stands until its time is up or the next event. While a problem is
// held back from the field being typed into, the band stays blank rather than hidden, so that the
// readout coming back raises no alert.
void Form1::showMessage() {
    if (messageBar->confirming()) return;
    const QWidget* holder = marks.messageHolder(QApplication::focusWidget());
    if (holder == nullptr) {
        messageBar->showReadout(readoutDeferred ? QString() : toQString(form.readout()));
        fitMessageBar();
        return;
    }
    const bool warning = marks.causeAt(holder) == MarkCause::Reading || form.linesUsable();
    messageBar->showMessage(warning ? MessageKind::Warning : MessageKind::Error, marks.noteAt(holder));
    fitMessageBar();
}

std::array<std::pair<QLineEdit*, Control>, 3> Form1::textFields() const {
    return {{{txtLongitude, Control::txtLongitude}, {txtDateandTime, Control::txtDateandTime}, {txtMJD, Control::txtMJD}}};
}

std::optional<Control> Form1::controlOf(const QWidget* shown) const {
    for (std::size_t index = 0; index < kControlCount; ++index) {
        const auto control = static_cast<Control>(index);
        if (isShown(control) && widgetOf(control) == shown) return control;
    }
    return std::nullopt;
}

QWidget* Form1::widgetOf(Control control) const {
    switch (control) {
    case Control::txtLongitude: return txtLongitude;
    case Control::optEast: return optEast;
    case Control::optWest: return optWest;
    case Control::txtDateandTime: return txtDateandTime;
    case Control::txtMJD: return txtMJD;
    case Control::List1: return List1;
    case Control::Command4: return Command4;
    case Control::Command2: return Command2;
    case Control::Command5: return Command5;
    default: return nullptr;
    }
}

}  // namespace skyanchor
