#include "ui/form1.hpp"

#include "ui/caption_frame.hpp"
#include "ui/qt_text.hpp"
#include "words/window.hpp"

#include <QFrame>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace skyanchor {
namespace {

void describe(QWidget* control, std::string_view name, std::string_view description) {
    control->setAccessibleName(toQString(name));
    control->setAccessibleDescription(toQString(description));
    control->setToolTip(toQString(description));
}

void describe(QWidget* control, const words::Described& words) { describe(control, words.name, words.description); }

}  // namespace

void Form1::describeControls(const QString& dateExample) {
    describe(Frame8, words::kSatelliteGroup);
    describe(Frame13, words::kLongitudeGroup);
    describe(txtLongitude, words::kLongitudeField);
    describe(optEast, words::kEastButton);
    describe(optWest, words::kWestButton);
    describe(Frame16, words::kDateGroup);
    describe(txtDateandTime, words::kDateFieldName, words::dateFieldDescription(dateExample.toStdString()));
    describe(Frame15, words::kMjdGroup);
    describe(txtMJD, words::kMjdField);
    describe(List1, words::kLinesList);
    describe(Command4, words::kCopyMjdCaption, words::kCopyMjdDescription);
    describe(Command2, words::kCopyVectorsCaption, words::kCopyVectorsDescription);
    describe(Command5, words::kCloseCaption, words::kCloseDescription);
}

}  // namespace skyanchor
