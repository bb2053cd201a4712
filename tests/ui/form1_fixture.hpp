#pragma once

#include "orbit/generate.hpp"
#include "orbit/sync_orbit.hpp"
#include "base/failure.hpp"
#include "ui/clipboard.hpp"
#include "ui/form1.hpp"

#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace skyanchor::test {

class FakeClipboard final : public Clipboard {
public:
    void clear() override {
        operations.push_back("clear");
        text.clear();
    }
    void setText(const QString& newText) override {
        if (refuses) throw Failure(FailureNumber::ClipboardUnavailable);
        operations.push_back("set");
        text = newText;
    }
    std::vector<std::string> operations;
    QString text = QStringLiteral("held before");
    bool refuses = false;
};

inline QLineEdit* fieldOf(const Form1& form, const char* name) {
    return form.findChild<QLineEdit*>(QString::fromLatin1(name));
}

inline std::string textOf(const Form1& form, const char* name) { return fieldOf(form, name)->text().toStdString(); }

// What Compute and Generate give for the window's fields as they stand, worked out by the core
// alone; nothing when Compute fails for them.
inline std::optional<VectorLines> linesOfFields(const Form1& form) {
    std::array<std::string, 4> elements = {textOf(form, "txtSMA"), textOf(form, "txtInclination"), textOf(form, "txtLan"),
                               textOf(form, "txtMA")};
    const std::string period = textOf(form, "txtRotationalPeriod");
    const std::string mass = textOf(form, "txtMass");
    const std::string obliquity = textOf(form, "txtObliquity");
    const std::string planetLan = textOf(form, "txtPlanetLAN");
    const std::string offset = textOf(form, "txtSidRotOffset");
    const std::string mjd = textOf(form, "txtMJD");
    const std::string longitude = textOf(form, "txtLongitude");
    const bool west = form.findChild<QRadioButton*>(QStringLiteral("optWest"))->isChecked();
    try {
        computeSyncElements({period, mass, obliquity, planetLan, offset, mjd, longitude, west}, form.bodyConstants().pi,
                            form.bodyConstants().gravConst, [&](SyncElement element, std::string_view text) {
                                elements[static_cast<std::size_t>(element)] = std::string(text);
                            });
    } catch (const Failure&) {
        return std::nullopt;
    }
    const std::string eccentricity = textOf(form, "txtEccentricity");
    const std::string periapsis = textOf(form, "txtArgumentOfPerapsis");
    return generateLines({elements[0], eccentricity, elements[1], periapsis, elements[2], elements[3]}, form.bodyConstants().pi,
                         static_cast<double>(form.bodyConstants().massFactor));
}

inline QStringList listLinesOf(const Form1& form) {
    const auto* list = form.findChild<QListWidget*>(QStringLiteral("List1"));
    QStringList lines;
    for (int row = 0; row < list->count(); ++row) lines << list->item(row)->text();
    return lines;
}

}  // namespace skyanchor::test
