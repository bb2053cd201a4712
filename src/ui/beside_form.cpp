#include "ui/beside_form.hpp"

#include "form/form1_model.hpp"
#include "orbit/units.hpp"
#include "text/number_text.hpp"
#include "ui/form1.hpp"
#include "ui/orbit_picture.hpp"
#include "ui/qt_text.hpp"
#include "words/window.hpp"

#include <QVBoxLayout>

#include <algorithm>

namespace skyanchor {

BesideForm::BesideForm(Form1& form, std::shared_ptr<Clipboard> clipboard, QString keptFile)
    : QWidget(&form), form_(form), clipboard_(std::move(clipboard)), keptFile_(std::move(keptFile)) {
    setObjectName(QStringLiteral("besideForm"));
    setAccessibleName(toQString(words::kBesideName));
    form.setAfterEvent([this] { follow(); });
    form.placeBeside(this);
}

void BesideForm::build() const {
    if (built()) return;
    auto* self = const_cast<BesideForm*>(this);
    picture_ = new OrbitPicture(self);
    picture_->setObjectName(QStringLiteral("orbitPicture"));
    setPanel_ = new SetPanel(form_.model(), std::move(clipboard_), std::move(keptFile_), self);
    setPanel_->setObjectName(QStringLiteral("setPanel"));
    auto* layout = new QVBoxLayout(self);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(picture_, 1);
    layout->addWidget(setPanel_);
    picture_->onLongitudeChosen([self](double degrees, bool west) { self->form_.chooseLongitude(formatNumber(degrees), west); });
}

const OrbitPicture& BesideForm::picture() const {
    build();
    return *picture_;
}

const SetPanel& BesideForm::setPanel() const {
    build();
    return *setPanel_;
}

void BesideForm::showEvent(QShowEvent* event) {
    build();
    QWidget::showEvent(event);
    follow();
}

// As wide as the set's controls need, and as high as they and the smallest picture: the picture
// takes whatever height the form leaves beside it.
QSize BesideForm::sizeHint() const {
    build();
    const QSize set = setPanel_->sizeHint();
    const QSize smallest = picture_->minimumSizeHint();
    return {std::max(set.width(), smallest.width()), set.height() + smallest.height() + layout()->spacing()};
}

// Hidden, it waits: a keystroke then costs the form alone, and showing it catches up.
void BesideForm::follow() {
    if (isHidden() || !built()) return;
    setPanel_->formChanged();
    picture_->setData(pictureData());
}

// The form's satellite first, highlighted, then each row of the set that has lines: every place
// read back from its RPOS line, not from the longitude typed.
PictureData BesideForm::pictureData() const {
    const Form1Model& model = form_.model();
    const std::optional<BodyOrientation> body = model.bodyOrientation();
    if (!body || !model.mjdValue()) return {};
    PictureData shown{.siderealAngle = siderealAngle(*model.mjdValue(), body->sidRotOffset),
                      .earthRadius = model.bodyConstants().bodyRadius * kMetresPerKilometre,
                      .satellites = {},
                      .current = std::nullopt};
    if (const auto own = satelliteOfLine(model.positionLine(), *body); own && model.linesUsable()) {
        shown.satellites.push_back(*own);
        shown.current = 0;
    }
    for (const Result<VectorLines>& lines : setPanel_->satelliteSet().lines()) {
        if (!lines) continue;
        if (const auto row = satelliteOfLine(lines->rpos, *body)) shown.satellites.push_back(*row);
    }
    return shown;
}

}  // namespace skyanchor
