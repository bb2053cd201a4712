#include "ui/form1.hpp"

#include "ui/clipboard.hpp"
#include "ui/clock.hpp"
#include "ui/qt_date_locale.hpp"

#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include <string_view>

namespace skyanchor {
namespace {

QString toQString(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

FormServices systemServices() {
    return FormServices{
        .readClock = readClockSerial,
        .clipboard = std::make_shared<SystemClipboard>(),
        .dateLocale = dateLocaleOf(QLocale::system()),
    };
}

Form1::Form1(FormServices services) : form(std::move(services)) {
    buildControls();
    describeControls(txtDateandTime->text());
    connectHandlers();
    showChanges();
}

void Form1::connectHandlers() {
    for (const auto& [field, control] : textFields()) {
        connect(field, &QLineEdit::textChanged, this, [this, control = control](const QString& text) {
            form.edit(control, text.toStdString());
            showChanges();
        });
    }
    const auto clicks = [this](QAbstractButton* button, Control control) {
        connect(button, &QAbstractButton::clicked, this, [this, control] {
            form.click(control);
            showChanges();
        });
    };
    clicks(optEast, Control::optEast);
    clicks(optWest, Control::optWest);
    clicks(Command2, Control::Command2);
    clicks(Command4, Control::Command4);
    clicks(Command5, Control::Command5);
}

// Writes back what the last event changed, with the widgets' own notifications blocked, so that
// nothing the form wrote comes back to it as an edit.
void Form1::showChanges() {
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
    if (changes.list) {
        List1->clear();
        for (const std::string& line : form.listLines()) List1->addItem(toQString(line));
    }
    for (QWidget* copied : std::initializer_list<QWidget*>{List1, Command2, Command4}) copied->setEnabled(form.linesUsable());
    if (changes.dateReading) {
        txtDateandTime->setPlaceholderText(form.dateReading() == DateReading::NoDateForMjd
                                               ? QStringLiteral("No date: the MJD is outside the years 100 to 9999")
                                               : QString());
    }
    for (std::size_t index = 0; index < kControlCount; ++index) {
        const auto control = static_cast<Control>(index);
        if (changes.notes.test(index) && isShown(control)) showNote(control, widgetOf(control));
    }
    if (changes.closed) {
        close();
        QCoreApplication::exit(0);
    }
}

void Form1::showNote(Control control, QWidget* shown) {
    const std::optional<Note>& note = form.noteAt(control);
    if (note) {
        marks.mark(shown, toQString(note->text), note->cause);
    } else {
        marks.clear(shown);
    }
}

std::array<std::pair<QLineEdit*, Control>, 3> Form1::textFields() const {
    return {{{txtLongitude, Control::txtLongitude}, {txtDateandTime, Control::txtDateandTime}, {txtMJD, Control::txtMJD}}};
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
