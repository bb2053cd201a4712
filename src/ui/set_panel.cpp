#include "ui/set_panel.hpp"

#include "form/form1_model.hpp"
#include "form/set_file.hpp"
#include "ui/message_bar.hpp"
#include "ui/qt_text.hpp"
#include "words/form.hpp"
#include "words/satellite_set.hpp"

#include <QAction>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSaveFile>
#include <QSpinBox>
#include <QStandardPaths>
#include <QVBoxLayout>

#include <algorithm>
#include <optional>
#include <string_view>
#include <utility>

namespace skyanchor {
namespace {

// Ten satellites ten degrees apart take one click once the form holds the first longitude.
constexpr int kRingCount = 10;
constexpr double kRingStep = 10.0;
constexpr int kRingCountLimit = 360;
constexpr double kRingStepLimit = 360.0;
constexpr int kRingStepDecimals = 3;

QPushButton* describedButton(const char* name, std::string_view caption, std::string_view description, QWidget* parent) {
    // Painted right to left (-reverse), a caption's closing "…" would stand before it; a
    // left-to-right mark keeps "Save set…" whole. Screen readers get the caption as written.
    const QString text = toQString(caption);
    auto* button = new QPushButton(text + QChar(0x200E), parent);
    button->setAccessibleName(QString(text).remove(u'&'));
    button->setObjectName(QString::fromLatin1(name));
    button->setAccessibleDescription(toQString(description));
    button->setToolTip(toQString(description));
    return button;
}

// The label carries the mnemonic and names the box it labels.
QLabel* labelFor(QWidget* box, std::string_view caption, std::string_view description) {
    auto* label = new QLabel(toQString(caption), box->parentWidget());
    label->setBuddy(box);
    box->setAccessibleName(label->text().remove(u'&'));
    box->setAccessibleDescription(toQString(description));
    box->setToolTip(toQString(description));
    return label;
}

// Written whole or not at all; the reason when not.
std::optional<QString> writeAtomically(const QString& path, const std::string& text) {
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(text.data(), static_cast<qint64>(text.size())) == static_cast<qint64>(text.size()) &&
        file.commit()) {
        return std::nullopt;
    }
    return file.errorString();
}

constexpr qint64 kSetFileByteLimit = 4 << 20;

}  // namespace

Result<std::vector<Satellite>> readSetFileAt(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return Failure(FailureNumber::InvalidArgument, words::setFileUnreadable(path.toStdString(), file.errorString().toStdString()));
    }
    // A set of 100,000 satellites fits in a few megabytes; a device that never ends is not read on.
    const QByteArray text = file.read(kSetFileByteLimit + 1);
    if (text.size() > kSetFileByteLimit) {
        return Failure(FailureNumber::InvalidArgument, words::setFileUnreadable(path.toStdString(), words::kSetFileTooLong));
    }
    const Result<std::vector<Satellite>> read = readSetFile(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
    if (read) return read;
    return Failure(FailureNumber::InvalidArgument, words::setFileInFile(path.toStdString(), read.failure().reason()));
}

// None where the system names no config folder; the set is then not kept.
QString keptSetFile() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    return folder.isEmpty() ? QString() : folder + QStringLiteral("/satellite-set.txt");
}

SetPanel::SetPanel(const Form1Model& formModel, std::shared_ptr<Clipboard> systemClipboard, QString kept, QWidget* parent)
    : QWidget(parent), form(formModel), clipboard(std::move(systemClipboard)), keptFile(std::move(kept)) {
    buildControls();
    connectHandlers();
    if (QFileInfo::exists(keptFile)) openKeptSet();
    set.recompute(form);
    showRows(-1);
}

// A kept set that cannot be read is moved aside before anything is kept again, so the next change
// does not overwrite what the person may still mend; where it cannot be moved, nothing is kept.
void SetPanel::openKeptSet() {
    const Result<std::vector<Satellite>> stored = readSetFileAt(keptFile);
    if (stored) {
        set = SatelliteSet(*stored);
        return;
    }
    QString aside = keptFile + QStringLiteral(".unreadable");
    for (int copy = 2; QFileInfo::exists(aside); ++copy) aside = keptFile + QStringLiteral(".unreadable-%1").arg(copy);
    if (!QFile::rename(keptFile, aside)) {
        messageBar->showMessage(MessageKind::Error, toQString(stored.failure().reason()));
        keptFile.clear();
        return;
    }
    messageBar->showMessage(MessageKind::Error, toQString(words::keptSetSetAside(stored.failure().reason(), aside.toStdString())));
}

void SetPanel::buildControls() {
    setAccessibleName(toQString(words::kSetCaption));
    rows = new QListWidget(this);
    rows->setObjectName(QStringLiteral("setRows"));
    // A row is a number and a letter, read left to right in every language: "0 E", never "E 0".
    rows->setLayoutDirection(Qt::LeftToRight);
    rows->setAccessibleName(toQString(words::kSetListName));
    rows->setAccessibleDescription(toQString(words::kSetListDescription));
    rows->setToolTip(toQString(words::kSetListDescription));
    addButton = describedButton("addToSet", words::kAddToSetCaption, words::kAddToSetDescription, this);
    removeButton = describedButton("removeRow", words::kRemoveCaption, words::kRemoveDescription, this);
    upButton = describedButton("moveUp", words::kUpCaption, words::kUpDescription, this);
    downButton = describedButton("moveDown", words::kDownCaption, words::kDownDescription, this);
    ringCount = new QSpinBox(this);
    ringCount->setObjectName(QStringLiteral("ringCount"));
    ringCount->setRange(1, kRingCountLimit);
    ringCount->setValue(kRingCount);
    ringStep = new QDoubleSpinBox(this);
    ringStep->setObjectName(QStringLiteral("ringStep"));
    ringStep->setRange(-kRingStepLimit, kRingStepLimit);
    ringStep->setDecimals(kRingStepDecimals);
    ringStep->setValue(kRingStep);
    ringButton = describedButton("addRing", words::kAddRingCaption, words::kAddRingDescription, this);
    copyButton = describedButton("copySet", words::kCopySetCaption, words::kCopySetDescription, this);
    saveButton = describedButton("saveSet", words::kSaveSetCaption, words::kSaveSetDescription, this);
    openButton = describedButton("openSet", words::kOpenSetCaption, words::kOpenSetDescription, this);
    saveButton->setShortcut(QKeySequence::Save);
    openButton->setShortcut(QKeySequence::Open);
    messageBar = new MessageBar(this);
    layOut();
}

// Two columns of buttons under a short list, so that the panel fits beside the form on a small
// screen; the list shows four rows at least and scrolls beyond eight.
void SetPanel::layOut() {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    const int row = rows->fontMetrics().lineSpacing();
    const int frame = 2 * rows->frameWidth() + row / 2;
    rows->setMinimumHeight(4 * row + frame);
    rows->setMaximumHeight(8 * row + frame);
    layout->addWidget(rows);
    auto* grid = new QGridLayout;
    const std::pair<QWidget*, QWidget*> pairs[] = {
        {addButton, removeButton},
        {upButton, downButton},
        {labelFor(ringCount, words::kRingCountCaption, words::kRingCountDescription), ringCount},
        {labelFor(ringStep, words::kRingStepCaption, words::kRingStepDescription), ringStep},
        {ringButton, copyButton},
        {saveButton, openButton},
    };
    for (int at = 0; const auto& [left, right] : pairs) {
        grid->addWidget(left, at, 0);
        grid->addWidget(right, at++, 1);
    }
    layout->addLayout(grid);
    layout->addWidget(messageBar);
}

void SetPanel::connectHandlers() {
    connect(addButton, &QPushButton::clicked, this, [this] { addToSet(); });
    connect(removeButton, &QPushButton::clicked, this, [this] { removeRow(); });
    connect(upButton, &QPushButton::clicked, this, [this] { moveRow(true); });
    connect(downButton, &QPushButton::clicked, this, [this] { moveRow(false); });
    connect(ringButton, &QPushButton::clicked, this, [this] { addRing(); });
    connect(copyButton, &QPushButton::clicked, this, [this] { copySet(); });
    connect(saveButton, &QPushButton::clicked, this, [this] {
        const QString path = QFileDialog::getSaveFileName(this, saveButton->text().remove(u'&'), {}, toQString(words::kSetFileFilter));
        if (!path.isEmpty()) saveFile(path);
    });
    connect(openButton, &QPushButton::clicked, this, [this] {
        const QString path = QFileDialog::getOpenFileName(this, openButton->text().remove(u'&'), {}, toQString(words::kSetFileFilter));
        if (!path.isEmpty()) openFile(path);
    });
    connect(rows, &QListWidget::currentRowChanged, this, [this] { enableRowButtons(); });
    auto* removeKey = new QAction(rows);
    removeKey->setShortcut(QKeySequence::Delete);
    removeKey->setShortcutContext(Qt::WidgetShortcut);
    connect(removeKey, &QAction::triggered, this, [this] { removeRow(); });
    rows->addAction(removeKey);
}

void SetPanel::formChanged() {
    set.recompute(form);
    showRows(selectedRow());
}

// The form's satellite, while its longitude reads as a number; otherwise the form's own note says why.
void SetPanel::addToSet() {
    const Result<Satellite> satellite = formSatellite(form);
    if (!satellite) return;
    set.add({*satellite});
    changed(static_cast<int>(set.rows().size()) - 1);
}

void SetPanel::addRing() {
    const Result<Satellite> start = formSatellite(form);
    if (!start) return;
    set.add(ring(*start, static_cast<std::size_t>(ringCount->value()), ringStep->value()));
    changed(static_cast<int>(set.rows().size()) - 1);
}

void SetPanel::removeRow() {
    const int row = selectedRow();
    if (row < 0) return;
    set.remove(static_cast<std::size_t>(row));
    reordered(std::min(row, static_cast<int>(set.rows().size()) - 1));
}

void SetPanel::moveRow(bool up) {
    const int row = selectedRow();
    if (row < 0) return;
    const auto at = static_cast<std::size_t>(row);
    if (up ? set.moveUp(at) : set.moveDown(at)) reordered(up ? row - 1 : row + 1);
}

void SetPanel::copySet() {
    const Result<std::string> text = set.copyText();
    if (!text) {
        messageBar->showMessage(MessageKind::Error, toQString(text.failure().reason()));
        return;
    }
    if (clipboard) clipboard->clear();
    if (!clipboard || !clipboard->setText(*text)) {
        messageBar->showMessage(MessageKind::Error, toQString(words::kClipboardAdvice));
        return;
    }
    messageBar->confirm(toQString(words::setCopied(set.rows().size())));
}

// A file that does not read leaves the set as it is.
void SetPanel::openFile(const QString& path) {
    const Result<std::vector<Satellite>> read = readSetFileAt(path);
    if (!read) {
        messageBar->showMessage(MessageKind::Error, toQString(read.failure().reason()));
        return;
    }
    set = SatelliteSet(*read);
    changed(-1);
    messageBar->confirm(toQString(words::setOpened(set.rows().size())));
}

void SetPanel::saveFile(const QString& path) {
    if (const std::optional<QString> problem = writeAtomically(path, writeSetFile(set.rows()))) {
        messageBar->showMessage(MessageKind::Error, toQString(words::setFileNotSaved(path.toStdString(), problem->toStdString())));
        return;
    }
    messageBar->confirm(toQString(words::kSetSaved));
}

void SetPanel::changed(int selected) {
    set.recompute(form);
    reordered(selected);
}

// Removing or moving a row takes its lines with it: nothing is recomputed.
void SetPanel::reordered(int selected) {
    showRows(selected);
    keep();
}

// The list is rewritten only where a row's text changed, so an instant that leaves every row
// computable costs no redraw.
void SetPanel::showRows(int selected) {
    const std::vector<Satellite>& satellites = set.rows();
    while (rows->count() > static_cast<int>(satellites.size())) delete rows->takeItem(rows->count() - 1);
    for (std::size_t at = 0; at < satellites.size(); ++at) {
        const std::string row = rowText(satellites[at]);
        const QString text = toQString(at < set.lines().size() && set.lines()[at] ? row : words::uncomputedRow(row));
        const auto index = static_cast<int>(at);
        if (index >= rows->count()) rows->addItem(text);
        if (rows->item(index)->text() != text) rows->item(index)->setText(text);
    }
    rows->setCurrentRow(selected);
    enableRowButtons();
}

void SetPanel::enableRowButtons() {
    const int row = selectedRow();
    removeButton->setEnabled(row >= 0);
    upButton->setEnabled(row > 0);
    downButton->setEnabled(row >= 0 && row + 1 < rows->count());
}

void SetPanel::keep() {
    if (keptFile.isEmpty()) return;
    QDir().mkpath(QFileInfo(keptFile).absolutePath());
    if (const std::optional<QString> problem = writeAtomically(keptFile, writeSetFile(set.rows()))) {
        messageBar->showMessage(MessageKind::Error, toQString(words::setFileNotSaved(keptFile.toStdString(), problem->toStdString())));
    }
}

int SetPanel::selectedRow() const { return rows->currentRow(); }

}  // namespace skyanchor
