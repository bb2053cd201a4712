#pragma once

#include "form/form1_model.hpp"
#include "ui/failure_marks.hpp"

#include <QWidget>

#include <array>
#include <chrono>
#include <functional>
#include <map>
#include <optional>
#include <utility>

class QFrame;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace skyanchor {

class CaptionFrame;
class MessageBar;
class ScoldDelay;
class TwipScale;

// The desktop's clock, clipboard and date conventions.
[[nodiscard]] FormServices systemServices();

// The one window: a view over the form. It shows the shown controls, hands each edit and click to
// the form and writes back only what the event changed. The hidden fields live in the form alone.
// Messages stand in a band at the top; a field whose text does not read yet is told so only after
// a pause in typing (scoldPause) or when the focus leaves it. The window mirrors in right-to-left
// layouts (-reverse) and locales.
class Form1 final : public QWidget {
public:
    explicit Form1(FormServices services = systemServices(), std::chrono::milliseconds scoldPause = std::chrono::milliseconds(700));
    ~Form1() override;
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    [[nodiscard]] const Form1Model& model() const { return form; }
    [[nodiscard]] const FailureMarks& failureMarks() const { return marks; }
    // Called after each event has been shown, so that a view beside the form (the satellite set)
    // follows the form's instant.
    void setAfterEvent(std::function<void()> follow) { afterEvent = std::move(follow); }

    // Places a panel beside the form, to its right: the form keeps its size and every control its
    // place. A button in the form's right margin shows or hides the panel; it starts shown where
    // the wider window fits the screen.
    void placeBeside(QWidget* panel);
    // No panel beside the form is narrower than this share of the form's width, at any font.
    static constexpr double kNarrowestBesideShare = 0.65;
    void showBeside(bool shown);
    // A longitude chosen outside the form (degrees as the field takes them, and West or not),
    // typed and clicked as a person would, so that the form's chain runs as for typing.
    void chooseLongitude(const std::string& degrees, bool west);

    // Names and describes every shown control for screen readers, the same words as tooltips;
    // the date field's description gives dateExample as an example of the user's form.
    void describeControls(const QString& dateExample);

protected:
    // The window system's close control ends the program as "Close" does.
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void connectHandlers();
    void bindCloseKeys();
    void guardKeys();
    void tabToTheChoice();
    void placeMessageBar(const TwipScale& scale);
    void fitMessageBar();
    [[nodiscard]] bool besideFitsScreen() const;
    [[nodiscard]] int besideGap() const;
    [[nodiscard]] QSize sizeWithBeside(QSize panel) const;
    void handOver(Control control, const std::function<void()>& event, std::optional<Control> edited = std::nullopt);
    void showChanges(std::optional<Control> edited);
    void showNote(Control control);
    void showMessage();
    void confirmCopy(Control copy, std::string_view confirmation);
    void copyListSelection();
    [[nodiscard]] QWidget* widgetOf(Control control) const;
    [[nodiscard]] std::optional<Control> controlOf(const QWidget* shown) const;
    [[nodiscard]] std::array<std::pair<QLineEdit*, Control>, 3> textFields() const;

    Form1Model form;
    FailureMarks marks;
    MessageBar* messageBar = nullptr;
    bool readoutDeferred = true;  // until the event loop first runs
    std::map<Control, ScoldDelay*> scoldDelays;
    std::function<void()> afterEvent;
    QSize formSize;                 // the window's size without what stands beside the form
    QWidget* beside = nullptr;
    QToolButton* besideToggle = nullptr;
    int formShift = 0;  // how far the form stands aside for the panel on its left, right to left

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
};

}  // namespace skyanchor
