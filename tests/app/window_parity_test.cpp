#include "program_run.hpp"
#include "ui/form1.hpp"
#include "ui/qt_date_locale.hpp"

#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <cctype>
#include <memory>
#include <ostream>
#include <string>

namespace skyanchor {
namespace {

class IgnoredClipboard final : public Clipboard {
public:
    void clear() override {}
    void setText(const QString&) override {}
};

// What a person types into the window and gives the scripting mode: the longitude, East or West,
// and the instant as an MJD or as a date text in the United States' form.
struct Inputs {
    const char* longitude;
    bool east;
    bool asDate;
    const char* instant;
};

// A test name from the inputs: "Mjd_51544_5_West_122", "Date_1_1_2000_12_00_00_PM_East_10".
std::string nameOf(const testing::TestParamInfo<Inputs>& row) {
    std::string name = std::string(row.param.asDate ? "Date_" : "Mjd_") + row.param.instant + (row.param.east ? "_East_" : "_West_") +
                       row.param.longitude;
    for (char& character : name) {
        if (std::isalnum(static_cast<unsigned char>(character)) == 0) character = '_';
    }
    return name;
}

void PrintTo(const Inputs& inputs, std::ostream* out) {
    *out << "longitude \"" << inputs.longitude << "\" " << (inputs.east ? "East" : "West") << ", "
         << (inputs.asDate ? "date" : "MJD") << " \"" << inputs.instant << '"';
}

class WindowAndScriptingMode : public testing::TestWithParam<Inputs> {
protected:
    // The window's lines after typing the inputs into a fresh window, one per line.
    static QString windowLines(const Inputs& inputs) {
        Form1 form(Form1Services{
            .readClock = [] { return 46364.5; },
            .clipboard = std::make_shared<IgnoredClipboard>(),
            .dateLocale = dateLocaleOf(QLocale(QStringLiteral("en_US"))),
        });
        typeInto(form, "txtLongitude", inputs.longitude);
        form.findChild<QRadioButton*>(QString::fromLatin1(inputs.east ? "optEast" : "optWest"))->click();
        typeInto(form, inputs.asDate ? "txtDateandTime" : "txtMJD", inputs.instant);
        const auto* list = form.findChild<QListWidget*>(QStringLiteral("List1"));
        QString lines;
        for (int row = 0; row < list->count(); ++row) lines += list->item(row)->text() + u'\n';
        return lines;
    }

    static void typeInto(Form1& form, const char* name, const char* text) {
        auto* field = form.findChild<QLineEdit*>(QString::fromLatin1(name));
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClicks(field, QString::fromUtf8(text));
    }

    static QStringList scriptArguments(const Inputs& inputs) {
        return {QStringLiteral("--longitude"), QString::fromUtf8(inputs.longitude),
                QString::fromLatin1(inputs.east ? "--east" : "--west"),
                QString::fromLatin1(inputs.asDate ? "--date" : "--mjd"), QString::fromUtf8(inputs.instant)};
    }
};

TEST_P(WindowAndScriptingMode, GiveByteIdenticalLines) {
    const test::ProgramRun run =
        test::runProgram(scriptArguments(GetParam()), {{QStringLiteral("LC_ALL"), QStringLiteral("en_US.UTF-8")}});
    ASSERT_EQ(run.status, 0) << testing::PrintToString(run);
    EXPECT_EQ(run.out.toStdString(), windowLines(GetParam()).toStdString());
}

INSTANTIATE_TEST_SUITE_P(
    TypedInputs, WindowAndScriptingMode,
    testing::Values(Inputs{"122", false, false, "51544.5"}, Inputs{"122", true, false, "51544.5"},
                    Inputs{"0", false, false, "0"}, Inputs{"-75.5", true, false, "60000.25"},
                    Inputs{"180", false, false, "59580"}, Inputs{"359.999", true, false, "45000.123456"},
                    Inputs{"1e2", false, false, "5.15445E4"}, Inputs{"&H10", true, false, "55000"},
                    Inputs{"+0", false, false, "51544.5"}, Inputs{" 4 5 ", true, false, "58849.75"},
                    Inputs{"-720", false, false, "-642000"}, Inputs{"90", true, false, "2973483"},
                    Inputs{"12.3456789012345", false, false, "61382.4505324074"},
                    Inputs{"1E+2", true, false, "&H10000"}, Inputs{"45", false, false, "1E+5"},
                    Inputs{"-180", true, false, "51544.5 12"}, Inputs{"122", false, true, "1/1/2000 12:00:00 PM"},
                    Inputs{"122", true, true, "12/8/2026 7:23:40 AM"}, Inputs{"10", false, true, "2026-12-08"},
                    Inputs{"-10", true, true, "March 4, 2026 6:00 PM"}, Inputs{"33", false, true, "7/4/1776"},
                    Inputs{"200", true, true, "12/31/9999 11:59:59 PM"}, Inputs{"5", false, true, "1/1/100"},
                    Inputs{"77", true, true, "2/29/2024 23:59:59"}, Inputs{"0", true, true, "12:00"},
                    Inputs{"-33.25", false, true, "4 Mar 2026 18:30:15"}, Inputs{"15", true, false, "3000000"}),
    nameOf);

}  // namespace
}  // namespace skyanchor
