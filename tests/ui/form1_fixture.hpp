#pragma once

#include "form_fixture.hpp"
#include "ui/form1.hpp"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace skyanchor::test {

// The window over a form with the fake clock, clipboard and United States' conventions.
class WindowTest : public testing::Test {
protected:
    // Problems of the field being typed into show at the next turn of the event loop: settle().
    void SetUp() override { form = std::make_unique<Form1>(fakes.services(), std::chrono::milliseconds(0)); }
    static void settle() { QCoreApplication::processEvents(); }

    template <class Widget = QLineEdit>
    Widget* control(const char* name) const {
        auto* widget = form->findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QLineEdit* field(const char* name) const { return control<QLineEdit>(name); }
    QString text(const char* name) const { return field(name)->text(); }

    void typeInto(const char* name, const QString& keys) {
        QLineEdit* target = field(name);
        target->selectAll();
        QTest::keyClick(target, Qt::Key_Delete);
        QTest::keyClicks(target, keys);
    }
    QStringList listLines() const {
        const auto* list = control<QListWidget>("List1");
        QStringList lines;
        for (int row = 0; row < list->count(); ++row) lines << list->item(row)->text();
        return lines;
    }
    bool isMarked(const char* name) const { return form->failureMarks().isMarked(control<QWidget>(name)); }

    FakeServices fakes;
    std::unique_ptr<Form1> form;
};

}  // namespace skyanchor::test
