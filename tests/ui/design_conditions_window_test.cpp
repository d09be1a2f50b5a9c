// The design-conditions window driven through its real widgets: what the user types and
// clicks reaches the form, and the widgets show the form's reactions.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include "forms/design_conditions.h"
#include "ui/design_conditions_window.h"

namespace stelvar::ui {
namespace {

class DesignConditionsWindowTest : public ::testing::Test {
protected:
    DesignConditionsWindowTest() : window(form) { window.show(); }

    template <class W>
    W* Get(const char* name) {
        W* widget = window.findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    void ClickRadio(const char* group, int item) {
        auto* radio = Get<QRadioButton>((std::string(group) + "_" + std::to_string(item)).c_str());
        // On the round mark: a click beside a short caption misses the button.
        QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(6, radio->height() / 2));
    }

    void ClickCheck(const char* name) {
        auto* check = Get<QCheckBox>(name);
        QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(6, check->height() / 2));
    }

    // Shows the page holding a widget, so that clicks land on visible widgets.
    void ShowLoadPage(int index) { Get<QTabWidget>("PageControl3")->setCurrentIndex(index); }

    QString EditText(const char* name) { return Get<QLineEdit>(name)->text(); }

    DesignConditionsForm form;
    DesignConditionsWindow window;
};

TEST_F(DesignConditionsWindowTest, EveryControlOfTheFormHasAWidgetOfItsName) {
    for (const std::string& name : form.Controls().Names()) {
        QWidget* widget = window.findChild<QWidget*>(QString::fromStdString(name));
        EXPECT_NE(widget, nullptr) << name;
        EXPECT_EQ(window.Control(name), widget) << name;
    }
    EXPECT_EQ(window.windowTitle(), QStringLiteral("設計条件"));
    EXPECT_EQ(window.size(), QSize(711, 465));
    for (const char* image : {"Image2", "Image4", "Image5", "Image6", "Image8"})
        EXPECT_NE(window.FigureArea(image), nullptr) << image;
}

TEST_F(DesignConditionsWindowTest, WidgetsStartWithTheFormsDefaults) {
    EXPECT_EQ(EditText("Edit15"), QStringLiteral("20"));
    EXPECT_EQ(EditText("Edit38"), QStringLiteral("3000"));
    EXPECT_EQ(Get<QComboBox>("ComboBox18")->currentText(), QStringLiteral("5"));
    EXPECT_EQ(Get<QComboBox>("ComboBox18")->count(), 10);
    EXPECT_EQ(Get<QComboBox>("ComboBox1")->currentText(), QStringLiteral("-"));
    EXPECT_FALSE(Get<QComboBox>("ComboBox1")->isEnabled());
    EXPECT_TRUE(Get<QCheckBox>("CheckBox1")->isChecked());
    EXPECT_FALSE(Get<QLineEdit>("LabeledEdit1")->isEnabled());
    EXPECT_TRUE(Get<QRadioButton>("RadioGroup9_1")->isChecked());
    EXPECT_FALSE(Get<QGroupBox>("RadioGroup9")->isEnabled());
    // Colours: enabled boxes white, disabled silver, the passive-pressure boxes money green.
    EXPECT_EQ(Get<QLineEdit>("Edit15")->palette().color(QPalette::Base), QColor(Qt::white));
    EXPECT_EQ(Get<QLineEdit>("Edit35")->palette().color(QPalette::Base), QColor(192, 192, 192));
    EXPECT_EQ(Get<QLineEdit>("LabeledEdit7")->palette().color(QPalette::Base), QColor(192, 220, 192));
    EXPECT_EQ(Get<QCheckBox>("CheckBox1")->palette().color(QPalette::WindowText), QColor(128, 0, 0));
    // The seismic page is hidden in the ordinary case.
    auto* pages = Get<QTabWidget>("PageControl3");
    EXPECT_FALSE(pages->isTabVisible(pages->indexOf(Get<QWidget>("TabSheet7"))));
    auto* grid = Get<QTableWidget>("StringGrid1");
    ASSERT_EQ(grid->rowCount(), 3);
    EXPECT_EQ(grid->item(1, 2)->text(), QStringLiteral("0.15"));
    EXPECT_EQ(grid->columnWidth(0), 65);
}

TEST_F(DesignConditionsWindowTest, TypedTextReachesTheForm) {
    struct Case {
        const char* Box;
        const char* Typed;
    };
    for (const Case& c : {Case{"Edit15", "18.5"}, Case{"LabeledEdit3", "2.4"}, Case{"Edit50", "24"}}) {
        auto* edit = Get<QLineEdit>(c.Box);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, QString::fromLatin1(c.Typed));
        EXPECT_EQ(form.Controls().Text(c.Box), c.Typed) << c.Box;
        EXPECT_EQ(edit->text(), QString::fromLatin1(c.Typed));
    }
    // An editable combo box takes typed text as well.
    auto* combo = Get<QComboBox>("ComboBox7");
    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo->lineEdit(), QStringLiteral("24.5"));
    EXPECT_EQ(form.Controls().Text("ComboBox7"), "24.5");
}

TEST_F(DesignConditionsWindowTest, SoilTypeFillsTheBackfillAndBearingBoxes) {
    auto* bearing = Get<QLineEdit>("Edit16");
    bearing->selectAll();
    QTest::keyClicks(bearing, QStringLiteral("450"));
    ClickRadio("RadioGroup1", 1);  // 砂質土
    EXPECT_EQ(form.Controls().Index("RadioGroup1"), 1);
    EXPECT_EQ(EditText("Edit16"), QStringLiteral("600"));
    EXPECT_EQ(EditText("Edit15"), QStringLiteral("19"));
    EXPECT_EQ(EditText("Edit14"), QStringLiteral("30"));
}

TEST_F(DesignConditionsWindowTest, SeismicCaseShowsAndHidesItsPage) {
    ShowLoadPage(1);
    ClickRadio("RadioGroup5", 1);  // 地震時
    auto* pages = Get<QTabWidget>("PageControl3");
    const int seismic = pages->indexOf(Get<QWidget>("TabSheet7"));
    EXPECT_TRUE(pages->isTabVisible(seismic));
    EXPECT_TRUE(Get<QTabWidget>("PageControl1")->isEnabled());
    EXPECT_EQ(Get<QComboBox>("ComboBox5")->currentText(), QStringLiteral("0.12"));
    EXPECT_EQ(EditText("Edit61"), QStringLiteral("0.12"));
    EXPECT_TRUE(Get<QGroupBox>("RadioGroup9")->isEnabled());
    EXPECT_EQ(Get<QTableWidget>("StringGrid1")->palette().color(QPalette::Base), QColor(Qt::white));

    // A value of the standard-value table becomes the standard value.
    pages->setCurrentIndex(seismic);
    auto* grid = Get<QTableWidget>("StringGrid1");
    const QRect cell = grid->visualItemRect(grid->item(2, 3));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(Get<QComboBox>("ComboBox5")->currentText(), QStringLiteral("0.24"));
    EXPECT_EQ(EditText("Edit61"), QStringLiteral("0.24"));

    // Zones of an initial, then a zone's areas and factor.
    Get<QTabWidget>("PageControl1")->setCurrentIndex(1);
    QTest::mouseClick(Get<QPushButton>("SpeedButton5"), Qt::LeftButton);  // あ
    auto* zones = Get<QListWidget>("ListBox1");
    ASSERT_EQ(zones->count(), 4);
    QTest::mouseClick(zones->viewport(), Qt::LeftButton, {},
                      zones->visualItemRect(zones->item(1)).center());  // 青森県B
    EXPECT_EQ(Get<QListWidget>("ListBox2")->count(), 11);
    EXPECT_EQ(Get<QComboBox>("ComboBox6")->currentText(), QStringLiteral("0.85"));
    EXPECT_EQ(EditText("Edit61"), QStringLiteral("0.20"));

    pages->setCurrentIndex(1);
    ClickRadio("RadioGroup5", 0);  // back to 常時
    EXPECT_FALSE(pages->isTabVisible(seismic));
    EXPECT_EQ(zones->count(), 0);
    EXPECT_EQ(Get<QListWidget>("ListBox2")->count(), 0);
    EXPECT_EQ(EditText("Edit61"), QStringLiteral("0.0"));
    EXPECT_EQ(Get<QComboBox>("ComboBox6")->currentText(), QStringLiteral("1.0"));
    EXPECT_FALSE(Get<QComboBox>("ComboBox5")->isEnabled());
}

TEST_F(DesignConditionsWindowTest, SoilLayersGiveTheCharacteristicValue) {
    ClickRadio("RadioGroup5", 1);
    auto* pages = Get<QTabWidget>("PageControl3");
    pages->setCurrentIndex(pages->indexOf(Get<QWidget>("TabSheet7")));
    auto* grid = Get<QTableWidget>("StringGrid2");
    // Thickness and N-value typed into the cells, the soil type chosen by clicking.
    grid->item(1, 1)->setText(QStringLiteral("2"));
    grid->item(1, 2)->setText(QStringLiteral("8"));
    grid->item(2, 1)->setText(QStringLiteral("3"));
    grid->item(2, 2)->setText(QStringLiteral("2"));
    auto clickSoil = [&](int row) {
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->visualItemRect(grid->item(row, 3)).center());
    };
    clickSoil(1);  // - -> 砂質土
    clickSoil(2);
    clickSoil(2);  // 砂質土 -> 粘性土
    EXPECT_EQ(grid->item(1, 3)->text(), QStringLiteral("砂質土"));
    EXPECT_EQ(grid->item(2, 3)->text(), QStringLiteral("粘性土"));
    EXPECT_EQ(form.Controls().Cell("StringGrid2", 2, 1), "3");
    QTest::mouseClick(Get<QPushButton>("SpeedButton4"), Qt::LeftButton);
    EXPECT_EQ(EditText("Edit53"), QStringLiteral("Tg=0.16"));
}

TEST_F(DesignConditionsWindowTest, WaterPressureSwitchesBuoyancyWithIt) {
    ShowLoadPage(2);
    QSignalSpy figures(&window, &DesignConditionsWindow::FiguresChanged);
    ClickCheck("CheckBox3");
    EXPECT_TRUE(form.Controls().Checked("CheckBox3"));
    EXPECT_TRUE(Get<QCheckBox>("CheckBox2")->isChecked());
    EXPECT_TRUE(Get<QCheckBox>("CheckBox2")->isEnabled());
    EXPECT_EQ(EditText("Edit62"), QStringLiteral("0.5"));
    EXPECT_EQ(Get<QComboBox>("ComboBox8")->currentText(), QStringLiteral("9.8"));
    EXPECT_TRUE(Get<QComboBox>("ComboBox8")->isEnabled());
    EXPECT_EQ(Get<QCheckBox>("CheckBox3")->palette().color(QPalette::WindowText), QColor(128, 0, 0));
    EXPECT_FALSE(Get<QLabel>("LabelH1")->isHidden());
    EXPECT_EQ(figures.count(), 1);

    ClickCheck("CheckBox3");
    EXPECT_FALSE(Get<QCheckBox>("CheckBox2")->isChecked());
    EXPECT_FALSE(Get<QCheckBox>("CheckBox2")->isEnabled());
    EXPECT_EQ(Get<QLineEdit>("Edit62")->palette().color(QPalette::Base), QColor(192, 192, 192));
    EXPECT_EQ(Get<QCheckBox>("CheckBox3")->palette().color(QPalette::WindowText), QColor(Qt::black));
    EXPECT_TRUE(Get<QLabel>("LabelH1")->isHidden());
}

TEST_F(DesignConditionsWindowTest, SlopeWithFlatSurchargeSwitchesTheSurchargeOff) {
    ShowLoadPage(1);
    auto* tabs = Get<QTabBar>("TabControl1");
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());  // 法面
    EXPECT_EQ(form.Controls().Index("TabControl1"), 1);
    EXPECT_TRUE(Get<QComboBox>("ComboBox1")->isEnabled());
    EXPECT_EQ(Get<QComboBox>("ComboBox1")->currentText(), QStringLiteral("1.0"));
    EXPECT_FALSE(Get<QCheckBox>("CheckBox1")->isChecked());
    EXPECT_FALSE(Get<QLineEdit>("Edit1")->isEnabled());
    ClickRadio("RadioGroup8", 1);  // 全面 does not switch it on again
    EXPECT_FALSE(Get<QCheckBox>("CheckBox1")->isChecked());
}

TEST_F(DesignConditionsWindowTest, PageChangesAndButtonsAreAnnounced) {
    QSignalSpy preview(&window, &DesignConditionsWindow::PreviewMenuChanged);
    QSignalSpy start(&window, &DesignConditionsWindow::StartCalculationRequested);
    QSignalSpy soil(&window, &DesignConditionsWindow::SoilConstantsRequested);
    auto* types = Get<QTabWidget>("PageControl2");
    QTest::mouseClick(types->tabBar(), Qt::LeftButton, {}, types->tabBar()->tabRect(1).center());
    EXPECT_EQ(form.Controls().Index("PageControl2"), 1);
    EXPECT_EQ(preview.count(), 1);
    QTest::mouseClick(Get<QPushButton>("SpeedButton1"), Qt::LeftButton);
    EXPECT_EQ(start.count(), 1);
    QTest::mouseClick(Get<QPushButton>("SpeedButton2"), Qt::LeftButton);
    EXPECT_EQ(soil.count(), 1);
}

TEST_F(DesignConditionsWindowTest, ClickOnABoxAsksForTheKeypad) {
    QSignalSpy keypad(&window, &DesignConditionsWindow::KeypadRequested);
    QSignalSpy diagram(&window, &DesignConditionsWindow::GroundDiagramRequested);
    QTest::mouseClick(Get<QLineEdit>("Edit15"), Qt::LeftButton);
    QTest::mouseClick(Get<QLineEdit>("Edit50"), Qt::LeftButton);
    QTest::mouseClick(Get<QLineEdit>("LabeledEdit1"), Qt::LeftButton);  // a disabled factor box
    ASSERT_EQ(keypad.count(), 2);
    EXPECT_EQ(keypad.at(0).at(0).toString(), QStringLiteral("Edit15"));
    EXPECT_EQ(keypad.at(1).at(0).toString(), QStringLiteral("Edit50"));
    ASSERT_EQ(diagram.count(), 1);
}

TEST_F(DesignConditionsWindowTest, ALetterInTheStandardValueIsReportedAndKept) {
    ClickRadio("RadioGroup5", 1);
    QSignalSpy failed(&window, &DesignConditionsWindow::ConversionFailed);
    auto* combo = Get<QComboBox>("ComboBox5");
    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo->lineEdit(), QStringLiteral("x"));
    EXPECT_EQ(failed.count(), 1);
    EXPECT_EQ(combo->currentText(), QStringLiteral("x"));
    EXPECT_EQ(form.Controls().Text("ComboBox5"), "x");
}

TEST_F(DesignConditionsWindowTest, ChangesFromOutsideAreMirrored) {
    form.SetValue("Edit38", "4500");
    form.SetValue("RadioGroup2", "1");
    form.ShowProjectTitle("擁壁A");
    window.SyncFromModel();
    EXPECT_EQ(EditText("Edit38"), QStringLiteral("4500"));
    EXPECT_TRUE(Get<QRadioButton>("RadioGroup2_1")->isChecked());
    EXPECT_EQ(EditText("Edit35"), QStringLiteral("800"));
    EXPECT_TRUE(Get<QLineEdit>("Edit35")->isEnabled());
    EXPECT_FALSE(Get<QLabel>("LabelKey1")->isHidden());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("設計条件 擁壁A"));
}

// Saves a picture of the window for a person to look at.
TEST_F(DesignConditionsWindowTest, Screenshot) {
    const QString dir = QDir::tempPath();
    QPixmap shot = window.grab();
    EXPECT_EQ(shot.size(), QSize(711, 465));
    shot.save(dir + QStringLiteral("/design_conditions_window.png"));
    for (int page = 1; page < 4; ++page) {
        if (page == 3) {
            form.SetIndex("RadioGroup5", 1);
            window.SyncFromModel();
        }
        Get<QTabWidget>("PageControl3")->setCurrentIndex(page);
        window.grab().save(dir + QStringLiteral("/design_conditions_window_%1.png").arg(page));
    }
    Get<QTabWidget>("PageControl1")->setCurrentIndex(1);
    window.grab().save(dir + QStringLiteral("/design_conditions_window_4.png"));
    form.SetIndex("PageControl2", 1);
    form.SetIndex("RadioGroup2", 1);
    window.SyncFromModel();
    Get<QTabWidget>("PageControl3")->setCurrentIndex(0);
    window.grab().save(dir + QStringLiteral("/design_conditions_window_5.png"));
}

}  // namespace
}  // namespace stelvar::ui
