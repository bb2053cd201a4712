#pragma once

#include "form/form_services.hpp"
#include "form/satellite_set.hpp"

#include <QString>
#include <QWidget>

#include <memory>
#include <vector>

class QDoubleSpinBox;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace skyanchor {

class Form1Model;
class MessageBar;

// The satellites of a set file, or the message that says why it opens nothing: the file cannot
// be read, or names the line that is not a satellite.
[[nodiscard]] Result<std::vector<Satellite>> readSetFileAt(const QString& path);

// Where the set is kept between runs: the program's folder under the XDG config folder.
[[nodiscard]] QString keptSetFile();

// The satellite set beside the form: its rows, their editing, a ring generator, copying every
// row's lines, and saving and opening set files. Rows take the form's satellite and instant; the
// owner calls formChanged() after each of the form's events. Every change is kept at once in
// keptFile, which the panel opens on start.
class SetPanel final : public QWidget {
public:
    SetPanel(const Form1Model& form, std::shared_ptr<Clipboard> clipboard, QString keptFile = keptSetFile(),
             QWidget* parent = nullptr);

    [[nodiscard]] const SatelliteSet& satelliteSet() const { return set; }
    [[nodiscard]] const MessageBar& messages() const { return *messageBar; }

    // Recomputes every row at the form's instant and shows what changed.
    void formChanged();
    // What "Open set…" and "Save set…" do once a file is chosen.
    void openFile(const QString& path);
    void saveFile(const QString& path);

private:
    void buildControls();
    void layOut();
    void connectHandlers();
    void addToSet();
    void addRing();
    void removeRow();
    void moveRow(bool up);
    void copySet();
    void changed(int selectedRow);
    void reordered(int selectedRow);
    void showRows(int selectedRow);
    void enableRowButtons();
    void keep();
    void openKeptSet();
    [[nodiscard]] int selectedRow() const;

    const Form1Model& form;
    std::shared_ptr<Clipboard> clipboard;
    QString keptFile;
    SatelliteSet set;
    QListWidget* rows = nullptr;
    QSpinBox* ringCount = nullptr;
    QDoubleSpinBox* ringStep = nullptr;
    QPushButton* addButton = nullptr;
    QPushButton* removeButton = nullptr;
    QPushButton* upButton = nullptr;
    QPushButton* downButton = nullptr;
    QPushButton* ringButton = nullptr;
    QPushButton* copyButton = nullptr;
    QPushButton* saveButton = nullptr;
    QPushButton* openButton = nullptr;
    MessageBar* messageBar = nullptr;
};

}  // namespace skyanchor
