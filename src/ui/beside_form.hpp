#pragma once

#include "form/form_services.hpp"
#include "ui/set_panel.hpp"

#include <QString>
#include <QWidget>

#include <memory>

namespace skyanchor {

class Form1;
class OrbitPicture;
struct PictureData;

// What stands beside the form: the equatorial plane at the form's instant, above the satellite
// set. It follows the form after each of its events; a longitude chosen on the picture goes to the
// form as a person's edit and click would, so the form's chain runs as for typing.
class BesideForm final : public QWidget {
public:
    // Stands beside the form at once, as its child. Its picture and set are built when first
    // measured or shown: a panel that starts hidden costs the window's start nothing.
    BesideForm(Form1& form, std::shared_ptr<Clipboard> clipboard, QString keptFile = keptSetFile());

    // Recomputes the set's rows and redraws the picture for the form's instant and satellites.
    void follow();

    [[nodiscard]] const OrbitPicture& picture() const;
    [[nodiscard]] const SetPanel& setPanel() const;
    [[nodiscard]] bool built() const { return picture_ != nullptr; }
    [[nodiscard]] QSize sizeHint() const override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Builds the picture and the set the first time either is needed; like Qt's own polishing,
    // it may be asked for from a const measurement.
    void build() const;
    [[nodiscard]] PictureData pictureData() const;

    Form1& form_;
    mutable std::shared_ptr<Clipboard> clipboard_;
    mutable QString keptFile_;
    mutable OrbitPicture* picture_ = nullptr;
    mutable SetPanel* setPanel_ = nullptr;
};

}  // namespace skyanchor
