#pragma once

#include "orbit/central_bodies.hpp"
#include "orbit/sync_orbit.hpp"
#include "time/date_locale.hpp"
#include "ui/clipboard.hpp"
#include "ui/failure_marks.hpp"

#include <QWidget>

#include <functional>
#include <memory>
#include <string>

class QComboBox;
class QFrame;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace skyanchor {

class CaptionFrame;

// What the window takes from outside: the clock, the clipboard and the user's date conventions.
// The defaults are the real ones; tests put in their own.
struct Form1Services {
    std::function<double()> readClock;
    std::shared_ptr<Clipboard> clipboard;
    DateLocale dateLocale;

    [[nodiscard]] static Form1Services system();
};

// The one window: a longitude with East/West, the instant as date text and as MJD, the two
// vector lines, and hidden fields that hold the elements and the central body's parameters.
class Form1 final : public QWidget {
public:
    explicit Form1(Form1Services injected = Form1Services::system());

    [[nodiscard]] bool isLinkArmed() const { return linkArmed; }
    [[nodiscard]] const BodyConstants& bodyConstants() const { return constants; }
    [[nodiscard]] const std::string& positionLine() const { return rposLine; }
    [[nodiscard]] const std::string& velocityLine() const { return rvelLine; }
    // False while the list may not hold the lines of the fields as they stand; the list is then
    // greyed and both copy buttons are disabled, as they are while the date text is no date.
    [[nodiscard]] bool areLinesCurrent() const { return linesCurrent; }
    [[nodiscard]] const FailureMarks& failureMarks() const { return marks; }

private:
    void buildControls();
    void connectHandlers();

    void Form_Load();
    void initCentralBodies();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Combo1_Click();
    void txtDateandTime_Change();
    void txtMJD_Change();
    void txtLongitude_Change();
    void optEast_Click();
    void optWest_Click();

    enum class DateReading { Date, NoDate, NoDateForMjd };

    void reportingFailures(QWidget* origin, void (Form1::*handler)());
    void showDateReading(DateReading reading);
    void showLinesCurrent(bool current);
    void showLinesUsable();
    void showNumberReadings();
    [[nodiscard]] QString acceptedBy(const QWidget* control) const;
    [[nodiscard]] QLineEdit* elementField(SyncElement element) const;

    Form1Services services;
    DateTextCodec dateCodec;
    BodyConstants constants;
    bool linkArmed = false;
    bool linesCurrent = true;
    bool dateIsNoDate = false;
    FailureMarks marks{this};
    std::string rposLine;
    std::string rvelLine;

    // The shown panel.
    QFrame* Frame8 = nullptr;
    CaptionFrame* Frame13 = nullptr;
    QLineEdit* txtLongitude = nullptr;
    QRadioButton* optEast = nullptr;
    QRadioButton* optWest = nullptr;
    CaptionFrame* Frame16 = nullptr;
    QLineEdit* txtDateandTime = nullptr;
    CaptionFrame* Frame15 = nullptr;
    QLineEdit* txtMJD = nullptr;
    QListWidget* List1 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command5 = nullptr;

    // Hidden: the elements, the central body and the results as single fields.
    QLineEdit* txtSMA = nullptr;
    QLineEdit* txtInclination = nullptr;
    QLineEdit* txtEccentricity = nullptr;
    QLineEdit* txtArgumentOfPerapsis = nullptr;
    QLineEdit* txtLan = nullptr;
    QLineEdit* txtMA = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command3 = nullptr;
    QLineEdit* txtrpos = nullptr;
    QLineEdit* txtrvel = nullptr;
    QLineEdit* txtRotationalPeriod = nullptr;
    QLineEdit* txtObliquity = nullptr;
    QLineEdit* txtPlanetLAN = nullptr;
    QLineEdit* txtMass = nullptr;
    QLineEdit* txtSidRotOffset = nullptr;
    QComboBox* Combo1 = nullptr;

    // Look, keyboard and accessibility.
public:
    // Names and describes every shown control for screen readers, the same words as tooltips;
    // the date field's description gives dateExample as an example of the user's form.
    void describeControls(const QString& dateExample);

protected:
    // The window system's close control ends the program as "Close" does.
    void closeEvent(QCloseEvent* event) override;

private:
    void bindCloseKeys();
};

}  // namespace skyanchor
