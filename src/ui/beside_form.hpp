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
    // Stands beside the form at once, as its child.
    BesideForm(Form1& form, std::shared_ptr<Clipboard> clipboard, QString keptFile = keptSetFile());

    // Recomputes the set's rows and redraws the picture for the form's instant and satellites.
    void follow();

    [[nodiscard]] const OrbitPicture& picture() const { return *picture_; }
    [[nodiscard]] const SetPanel& setPanel() const { return *setPanel_; }
    [[nodiscard]] QSize sizeHint() const override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    [[nodiscard]] PictureData pictureData() const;

    Form1& form_;
    OrbitPicture* picture_ = nullptr;
    SetPanel* setPanel_ = nullptr;
};

}  // namespace skyanchor
