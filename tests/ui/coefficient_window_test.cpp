// The coefficient tool through its real widgets: the two opening modes, the soil-type and
// design-case reactions, "表示" and "閉じる", and what showing it does to the design
// conditions.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include "forms/coefficient_tool.h"
#include "forms/design_conditions.h"
#include "report/coefficient_tables.h"
#include "ui/coefficient_window.h"

namespace stelvar::ui {
namespace {

namespace ct = coefficient_tool;

class CoefficientWindowTest : public ::testing::Test {
protected:
    CoefficientWindowTest() : window(conditions) {}
    ~CoefficientWindowTest() override { window.hide(); }

    template <class W>
    W* Get(const QString& name) {
        W* widget = window.findChild<W*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }
    QTabWidget* Pages() { return Get<QTabWidget>(QStringLiteral("PageControl1")); }
    QString Cell(const char* grid, int row, int column) {
        QTableWidgetItem* item = Get<QTableWidget>(QString::fromLatin1(grid))->item(row, column);
        return item == nullptr ? QString() : item->text();
    }
    QString Box(const char* name) { return Get<QComboBox>(QString::fromLatin1(name))->currentText(); }
    void ClickRadio(const char* group, int item) {
        auto* radio = Get<QRadioButton>(QString::fromLatin1(group) + "_" + QString::number(item));
        QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(6, radio->height() / 2));
    }
    void Type(const char* box, const QString& text) {
        QLineEdit* edit = Get<QComboBox>(QString::fromLatin1(box))->lineEdit();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    void Click(const char* button, int page = 0) {
        // Each page has its own "閉じる"; take the one of the page asked for.
        auto* target = Pages()->widget(page)->findChild<QPushButton*>(QString::fromLatin1(button));
        ASSERT_NE(target, nullptr) << button;
        QTest::mouseClick(target, Qt::LeftButton);
    }
    std::vector<bool> TabsShown() {
        std::vector<bool> v;
        for (int i = 0; i < Pages()->count(); ++i) v.push_back(Pages()->isTabVisible(i));
        return v;
    }

    DesignConditionsForm conditions;
    CoefficientWindow window;
};

TEST_F(CoefficientWindowTest, EarthPressureModeShowsThePageComputedAndSetsTheSeismicChoice) {
    EXPECT_EQ(window.objectName(), "TForm3");
    EXPECT_EQ(window.windowTitle(), "土圧係数");
    EXPECT_FALSE(window.isVisible());
    QSignalSpy changed(&window, &CoefficientWindow::DesignConditionsChanged);
    window.Form().SetIndex(ct::kWallTypes, ct::kInvertedTPage);

    window.ShowEarthPressureMode();
    EXPECT_TRUE(window.isVisible());
    // Placed at (0, 90), then moved by its own show event.
    EXPECT_EQ(window.pos(), QPoint(0, 83));
    EXPECT_EQ(TabsShown(), (std::vector<bool>{true, false, false, false}));
    EXPECT_EQ(Pages()->currentIndex(), 0);
    EXPECT_EQ(Get<QTabWidget>(QStringLiteral("PageControl2"))->currentIndex(), 0);
    EXPECT_EQ(conditions.Controls().Index("RadioGroup9"), 1);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(Cell("StringGrid1", 0, 0), "勾配");
    EXPECT_EQ(Cell("StringGrid1", 1, 0), "1:1.5");
    EXPECT_EQ(Cell("StringGrid1", 3, 1), "Kav");
    EXPECT_EQ(Cell("StringGrid1", 0, 12), "1.00");
    EXPECT_EQ(Cell("StringGrid1", 1, 2), "0.244");
    EXPECT_EQ(Cell("StringGrid1", 10, 12), "0.313");
    EXPECT_EQ(window.findChild<QWidget*>(QStringLiteral("Header1"))->property("text").toString(),
              "嵩上げ盛土比　H1/H");
}

TEST_F(CoefficientWindowTest, BearingFactorModeShowsAndFillsTheThreeFactorPages) {
    window.ShowBearingFactorMode();
    EXPECT_EQ(window.pos(), QPoint(0, 83));
    EXPECT_EQ(TabsShown(), (std::vector<bool>{false, true, true, true}));
    EXPECT_EQ(Pages()->currentWidget()->objectName(), "TabSheet2");
    EXPECT_EQ(Pages()->tabText(3), "支持力係数　Nγ");
    EXPECT_EQ(Cell("StringGrid3", 1, 1), "5.14");
    EXPECT_EQ(Cell("StringGrid3", 1, 7), "30.14");
    EXPECT_EQ(Cell("StringGrid2", 1, 7), "18.40");
    EXPECT_EQ(Cell("StringGrid4", 1, 7), "15.33");
    EXPECT_EQ(Cell("StringGrid4", 0, 10), "φ45.0");

    // Already shown: the main window's placement stands, no show event moves it.
    window.ShowEarthPressureMode();
    EXPECT_EQ(window.pos(), QPoint(0, 90));
    EXPECT_EQ(TabsShown(), (std::vector<bool>{true, false, false, false}));
    // The menu entry shows the window as it is.
    window.hide();
    window.ShowUnchanged();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(TabsShown(), (std::vector<bool>{true, false, false, false}));
}

TEST_F(CoefficientWindowTest, SoilTypeAndDesignCaseReactThroughTheRadioButtons) {
    window.ShowEarthPressureMode();
    ClickRadio("RadioGroup1", 2);
    EXPECT_EQ(Box("ComboBox2"), "18");
    EXPECT_EQ(Box("ComboBox3"), "25");
    EXPECT_EQ(window.Form().Controls().Text(ct::kPhi), "25");

    auto* kh = Get<QComboBox>(QStringLiteral("ComboBox1"));
    EXPECT_FALSE(kh->isEnabled());
    EXPECT_EQ(kh->currentText(), "0.0");
    ClickRadio("RadioGroup2", 1);
    EXPECT_TRUE(kh->isEnabled());
    EXPECT_EQ(kh->currentText(), "0.1");
    EXPECT_EQ(kh->lineEdit()->palette().color(QPalette::Base), QColor(Qt::white));
    ClickRadio("RadioGroup2", 0);
    EXPECT_FALSE(kh->isEnabled());
    EXPECT_EQ(kh->currentText(), "0.0");
}

TEST_F(CoefficientWindowTest, ShowButtonRecomputesFromTheBoxesAndCloseHides) {
    window.ShowEarthPressureMode();
    const QString before = Cell("StringGrid1", 1, 2);
    Type("ComboBox3", "30");
    EXPECT_EQ(window.Form().Controls().Text(ct::kPhi), "30");
    EXPECT_EQ(Cell("StringGrid1", 1, 2), before);  // nothing until "表示"
    Get<QTabWidget>(QStringLiteral("PageControl2"))->setCurrentIndex(ct::kLeaningPage);
    EXPECT_EQ(window.Form().Controls().Index(ct::kWallTypes), ct::kLeaningPage);
    Click("ShowButton");

    CoefficientToolForm form;
    form.SetText(ct::kPhi, "30");
    form.SetIndex(ct::kWallTypes, ct::kLeaningPage);
    CoefficientTables expected;
    ComputeCoefficientTable(expected, form.Controls(), conditions.Controls());
    for (int row = 1; row < 13; ++row)
        for (int col = 2; col < 13; ++col)
            EXPECT_EQ(Cell("StringGrid1", row, col).toStdString(), expected.StringGrid1.Cell(col, row))
                << row << "," << col;
    EXPECT_NE(Cell("StringGrid1", 1, 2), before);

    // A box without a number is reported and the table stays as it was.
    QSignalSpy failed(&window, &CoefficientWindow::ConversionFailed);
    Type("ComboBox2", "x");
    const QString shown = Cell("StringGrid1", 1, 2);
    Click("ShowButton");
    ASSERT_EQ(failed.count(), 1);
    EXPECT_EQ(failed.at(0).at(0).toString(), "'x' is not a valid floating point value");
    EXPECT_EQ(Cell("StringGrid1", 1, 2), shown);

    Click("CloseButton");
    EXPECT_FALSE(window.isVisible());
    window.ShowBearingFactorMode();
    Click("CloseButton", 1);
    EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace stelvar::ui
