#include "ui/form1.hpp"

#include "ui/caption_frame.hpp"

#include <QFrame>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace skyanchor {
namespace {

void describe(QWidget* control, const QString& name, const QString& description) {
    control->setAccessibleName(name);
    control->setAccessibleDescription(description);
    control->setToolTip(description);
}

}  // namespace

void Form1::describeControls(const QString& dateExample) {
    describe(Frame8, QStringLiteral("Stationary satellite"),
             QStringLiteral("The satellite's longitude and instant, and the position and velocity lines computed from them"));
    describe(Frame13, QStringLiteral("Longitude"), QStringLiteral("The satellite's longitude in degrees, East or West"));
    describe(txtLongitude, QStringLiteral("Longitude in degrees"),
             QStringLiteral("The longitude over which the satellite stands, in degrees; East or West is chosen beside it"));
    describe(optEast, QStringLiteral("East"), QStringLiteral("The longitude counts east of the prime meridian"));
    describe(optWest, QStringLiteral("West"), QStringLiteral("The longitude counts west of the prime meridian"));
    describe(Frame16, QStringLiteral("Date and Time (UT)"), QStringLiteral("The instant as a date and time in Universal Time"));
    describe(txtDateandTime, QStringLiteral("Date and time in UT"),
             QStringLiteral("The instant as a date and time in Universal Time, in the Gregorian calendar, written in your "
                               "form, for example %1")
                 .arg(dateExample));
    describe(Frame15, QStringLiteral("MJD"), QStringLiteral("The instant as a Modified Julian Date"));
    describe(txtMJD, QStringLiteral("Modified Julian Date"),
             QStringLiteral("The same instant as a Modified Julian Date, in days; the date and time follow it"));
    describe(List1, QStringLiteral("Position and velocity lines"),
             QStringLiteral("The RPOS line gives the satellite's position in metres, the RVEL line its velocity in metres per "
                "second"));
    describe(Command4, Command4->text(), QStringLiteral("Copies the Modified Julian Date to the clipboard"));
    describe(Command2, Command2->text(), QStringLiteral("Copies the position and velocity lines to the clipboard"));
    describe(Command5, Command5->text(), QStringLiteral("Closes the window and ends the program"));
}

}  // namespace skyanchor
