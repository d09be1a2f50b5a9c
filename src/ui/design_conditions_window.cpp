#include "ui/design_conditions_window.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFont>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>

#include <exception>
#include <vector>

#include "forms/seismic_zones.h"
#include "ui/qt_text.h"
#include "ui/wall_figure.h"

namespace stelvar::ui {
namespace {

constexpr int kClientWidth = 711;
constexpr int kClientHeight = 465;
constexpr int kRow = 22;     // pitch of the rows of boxes
constexpr int kBoxHeight = 20;

// The boxes that are results or fixed factors rather than inputs: no keypad for them.
bool OpensKeypad(std::string_view name) {
    return name != "Edit53" && name != "Edit61" && name != "LabeledEdit1" && name != "LabeledEdit2";
}

// The soil and ground boxes, which also show the ground-constant diagram.
bool ShowsGroundDiagram(std::string_view name) {
    static constexpr std::string_view kGroundBoxes[] = {
        "Edit15", "Edit14", "Edit21", "LabeledEdit4", "LabeledEdit7", "LabeledEdit8", "LabeledEdit3",
        "LabeledEdit5", "Edit42", "Edit3", "LabeledEdit6", "Edit16", "Edit17", "Edit18"};
    for (std::string_view box : kGroundBoxes)
        if (box == name) return true;
    return false;
}

// The colour a control keeps: an RGB value with red in the low byte, or a system colour.
QColor ToQColor(Colour colour, const QPalette& palette) {
    if ((colour.Value & 0xFF000000u) == 0xFF000000u) {
        switch (colour.Value & 0xFFu) {
        case 5: return QColor(Qt::white);   // clWindow
        case 8: return QColor(Qt::black);   // clWindowText
        case 15: return palette.color(QPalette::Window);  // clBtnFace
        default: return palette.color(QPalette::Window);
        }
    }
    return QColor(static_cast<int>(colour.Value & 0xFFu), static_cast<int>((colour.Value >> 8) & 0xFFu),
                  static_cast<int>((colour.Value >> 16) & 0xFFu));
}

void SetBase(QWidget* widget, const QColor& colour) {
    QPalette p = widget->palette();
    if (p.color(QPalette::Active, QPalette::Base) == colour &&
        p.color(QPalette::Disabled, QPalette::Base) == colour)
        return;
    p.setColor(QPalette::Base, colour);  // every colour group, disabled boxes included
    widget->setPalette(p);
}

void SetTextColour(QWidget* widget, const QColor& colour) {
    QPalette p = widget->palette();
    if (p.color(QPalette::Active, QPalette::WindowText) == colour) return;
    p.setColor(QPalette::Active, QPalette::WindowText, colour);
    p.setColor(QPalette::Inactive, QPalette::WindowText, colour);
    p.setColor(QPalette::Active, QPalette::ButtonText, colour);
    p.setColor(QPalette::Inactive, QPalette::ButtonText, colour);
    widget->setPalette(p);
}

QStringList ToStringList(const std::vector<std::string>& items) {
    QStringList list;
    for (const std::string& item : items) list.append(ToQString(item));
    return list;
}

}  // namespace

DesignConditionsWindow::DesignConditionsWindow(DesignConditionsForm& form, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), form_(form) {
    QFont font(QStringLiteral("Noto Sans CJK JP"));
    font.setPixelSize(12);
    setFont(font);
    setFixedSize(kClientWidth, kClientHeight);

    BuildLeftPanel();
    BuildLoadPages();
    BuildRightColumn();

    for (const auto& [name, widget] : controls_) Connect(name, widget);
    seenFigureRedraws_ = form_.FigureRedraws();
    seenPreviewMenuUpdates_ = form_.PreviewMenuUpdates();
    SyncFromModel();
    for (const auto& [name, figure] : figures_) figure->Redraw();
}

QWidget* DesignConditionsWindow::Control(std::string_view name) const {
    const auto it = controls_.find(name);
    return it == controls_.end() ? nullptr : it->second;
}

WallFigureWidget* DesignConditionsWindow::FigureArea(std::string_view image) const {
    const auto it = figures_.find(image);
    return it == figures_.end() ? nullptr : it->second;
}

// ---- Building ---------------------------------------------------------------------------

QGroupBox* DesignConditionsWindow::Group(const QString& title, QWidget* parent, int x, int y, int w,
                                         int h) {
    auto* box = new QGroupBox(title, parent);
    box->setGeometry(x, y, w, h);
    return box;
}

QLabel* DesignConditionsWindow::Text(const QString& text, QWidget* parent, int x, int y, int w,
                                     int h) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(x, y, w, h);
    return label;
}

QWidget* DesignConditionsWindow::Figure(WallPicture picture, QWidget* parent, int x, int y, int w,
                                        int h) {
    auto* area = new WallFigureWidget(form_, picture, parent);
    const QString name = ToQString(WallPictureName(picture));
    area->setObjectName(name);
    area->setGeometry(x, y, w, h);
    figures_[FromQString(name)] = area;
    return area;
}

QWidget* DesignConditionsWindow::Make(std::string_view name, QWidget* parent, int x, int y, int w,
                                      int h, bool horizontal) {
    const ControlState& state = form_.Controls().State(name);
    const QString qname = ToQString(name);
    QWidget* widget = nullptr;
    switch (state.Kind) {
    case ControlKind::Edit: {
        auto* edit = new QLineEdit(parent);
        edit->installEventFilter(this);
        widget = edit;
        break;
    }
    case ControlKind::ComboBox: {
        auto* combo = new QComboBox(parent);
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->lineEdit()->installEventFilter(this);
        combo->lineEdit()->setObjectName(qname + QStringLiteral("_edit"));
        widget = combo;
        break;
    }
    case ControlKind::CheckBox:
        widget = new QCheckBox(ToQString(state.Caption), parent);
        break;
    case ControlKind::RadioGroup: {
        auto* box = new QGroupBox(ToQString(state.Caption), parent);
        auto* buttons = new QButtonGroup(box);
        const int count = static_cast<int>(state.Items.size());
        const int top = state.Caption.empty() ? 2 : 16;
        for (int i = 0; i < count; ++i) {
            auto* radio = new QRadioButton(ToQString(state.Items[static_cast<std::size_t>(i)]), box);
            radio->setObjectName(qname + QStringLiteral("_") + QString::number(i));
            if (horizontal) {
                const int cell = (w - 8) / count;
                radio->setGeometry(6 + i * cell, top, cell - 2, 20);
            } else {
                radio->setGeometry(8, top + i * 20, w - 12, 20);
            }
            buttons->addButton(radio, i);
        }
        radioGroups_[std::string(name)] = buttons;
        widget = box;
        break;
    }
    case ControlKind::StringGrid: {
        auto* grid = new QTableWidget(parent);
        grid->horizontalHeader()->hide();
        grid->horizontalHeader()->setMinimumSectionSize(8);
        grid->verticalHeader()->hide();
        grid->verticalHeader()->setMinimumSectionSize(16);
        grid->verticalHeader()->setDefaultSectionSize(19);
        grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        grid->setSelectionMode(QAbstractItemView::NoSelection);
        // The column widths are those of the tables; a slightly smaller face and no cell
        // padding keep texts such as "中規模地震" and "0.2≦Tg<0.6" whole.
        QFont cellFont = font();
        cellFont.setPixelSize(11);
        grid->setFont(cellFont);
        grid->setTextElideMode(Qt::ElideNone);
        grid->setWordWrap(false);
        grid->setStyleSheet(QStringLiteral("QTableWidget::item { padding: 0px 1px; }"));
        // Only the soil-layer grid takes typed values.
        grid->setEditTriggers(name == "StringGrid2" ? QAbstractItemView::DoubleClicked |
                                                          QAbstractItemView::EditKeyPressed
                                                    : QAbstractItemView::NoEditTriggers);
        widget = grid;
        break;
    }
    case ControlKind::ListBox: {
        auto* list = new QListWidget(parent);
        QFont mono(QStringLiteral("Noto Sans Mono CJK JP"));
        mono.setPixelSize(12);
        list->setFont(mono);
        widget = list;
        break;
    }
    case ControlKind::Label:
        widget = new QLabel(ToQString(state.Caption), parent);
        break;
    case ControlKind::Button:
        widget = new QPushButton(ToQString(state.Caption), parent);
        break;
    case ControlKind::PageControl:
    case ControlKind::TabControl:
    case ControlKind::TabSheet:
        return nullptr;  // notebooks are built with their pages
    }
    widget->setObjectName(qname);
    widget->setGeometry(x, y, w, h);
    controls_[std::string(name)] = widget;
    return widget;
}

QWidget* DesignConditionsWindow::Labeled(std::string_view name, QWidget* parent, int x, int y,
                                         int labelWidth, int boxWidth, const QString& label) {
    const ControlState& state = form_.Controls().State(name);
    const QString text = label.isEmpty() ? ToQString(state.Caption) : label;
    QLabel* caption = Text(text, parent, x, y, labelWidth, kBoxHeight);
    caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QWidget* box = Make(name, parent, x + labelWidth + 2, y, boxWidth, kBoxHeight);
    caption->setBuddy(box);
    return box;
}

void DesignConditionsWindow::BuildLeftPanel() {
    // １．裏込め土の諸量: soil type beside the three backfill values.
    QGroupBox* backfill = Group(QStringLiteral("１．裏込め土の諸量"), this, 2, 0, 190, 106);
    Make("RadioGroup1", backfill, 3, 16, 125, 84);
    Labeled("Edit15", backfill, 128, 22, 20, 38, QStringLiteral("γs="));
    Labeled("Edit14", backfill, 128, 22 + kRow, 20, 38, QStringLiteral("φ="));
    Labeled("Edit21", backfill, 128, 22 + 2 * kRow, 20, 38, QStringLiteral("C="));

    QGroupBox* embedment = Group(QStringLiteral("２．根入れ地盤の諸量"), this, 2, 108, 190, 110);
    Labeled("LabeledEdit4", embedment, 4, 18, 114, 60);
    Labeled("LabeledEdit7", embedment, 4, 18 + kRow, 114, 60, QStringLiteral("φ (度)="));
    Labeled("LabeledEdit8", embedment, 4, 18 + 2 * kRow, 114, 60, QStringLiteral("c (kN/m2)="));
    Labeled("LabeledEdit3", embedment, 4, 18 + 3 * kRow, 114, 60, QStringLiteral("Df (m)="));

    QGroupBox* bearing = Group(QStringLiteral("３．支持地盤の諸量"), this, 2, 220, 190, 206);
    Labeled("LabeledEdit5", bearing, 4, 18, 114, 60);
    Labeled("Edit42", bearing, 4, 18 + kRow, 114, 60, QStringLiteral("φ (度)="));
    Labeled("Edit3", bearing, 4, 18 + 2 * kRow, 114, 60, QStringLiteral("c (kN/m2)="));
    Labeled("LabeledEdit6", bearing, 4, 18 + 3 * kRow, 114, 60, QStringLiteral("Df' (m)="));
    Labeled("Edit16", bearing, 4, 18 + 4 * kRow, 114, 60, QStringLiteral("qa0 (kN/m2)="));
    Labeled("Edit17", bearing, 4, 18 + 5 * kRow, 114, 60, QStringLiteral("μ="));
    Labeled("Edit18", bearing, 4, 18 + 6 * kRow, 114, 60, QStringLiteral("Cb (kN/m2)="));
    Make("SpeedButton2", bearing, 8, 18 + 7 * kRow + 2, 174, 24);
}

void DesignConditionsWindow::BuildRightColumn() {
    constexpr int x = 566;
    constexpr int w = 143;
    QGroupBox* stresses = Group(QStringLiteral("５．許容応力度"), this, x, 0, w, 134);
    Labeled("Edit50", stresses, 1, 18, 84, 52, QStringLiteral("σck (N/mm2)="));
    Labeled("Edit23", stresses, 1, 18 + kRow, 84, 52, QStringLiteral("σca="));
    Labeled("Edit24", stresses, 1, 18 + 2 * kRow, 84, 52, QStringLiteral("σcat="));
    Labeled("Edit25", stresses, 1, 18 + 3 * kRow, 84, 52, QStringLiteral("τca="));
    Make("SpeedButton3", stresses, 8, 18 + 4 * kRow + 2, w - 16, 24);

    QGroupBox* stability = Group(QStringLiteral("安定計算方法の選択"), this, x, 136, w, 150);
    Make("RadioGroup11", stability, 4, 16, w - 8, 60);
    QGroupBox* factors = Group(QStringLiteral("安全率法の安全率"), stability, 4, 80, w - 8, 64);
    Labeled("LabeledEdit1", factors, 4, 16, 50, 60);
    Labeled("LabeledEdit2", factors, 4, 16 + kRow, 50, 60);

    QGroupBox* crack = Group(QStringLiteral("土圧作用位置hc"), this, x, 288, w, 58);
    QWidget* check = Make("CheckBox7", crack, 6, 22, 20, 20);
    // The caption is too long for one line of the column: a wrapped text beside the box.
    static_cast<QCheckBox*>(check)->setText(QString());
    QLabel* text = Text(ToQString(form_.Controls().State("CheckBox7").Caption), crack, 26, 16, w - 30, 38);
    text->setWordWrap(true);
    text->setBuddy(check);

    Make("RadioGroup4", this, x, 348, w, 42, true);
    Make("SpeedButton1", this, x, 396, w, 44);
    QFont bold = font();
    bold.setBold(true);
    controls_["SpeedButton1"]->setFont(bold);
}

void DesignConditionsWindow::BuildLoadPages() {
    QGroupBox* loads = Group(QStringLiteral("４．荷重"), this, 194, 0, 370, 463);
    loadPanel_ = loads;
    auto* pages = new QTabWidget(loads);
    pages->setObjectName(QStringLiteral("PageControl3"));
    pages->setGeometry(3, 16, 364, 444);
    pages->tabBar()->setExpanding(false);
    pages->tabBar()->setElideMode(Qt::ElideNone);
    // The four page captions are long: a smaller face keeps them on one strip.
    QFont tabFont = font();
    tabFont.setPixelSize(10);
    pages->tabBar()->setFont(tabFont);
    pages->tabBar()->setStyleSheet(QStringLiteral(
        "QTabBar::tab { padding: 3px 4px; border: 1px solid #a0a0a0; border-bottom: none;"
        " background: #e4e4e4; margin-right: 1px; }"
        "QTabBar::tab:selected { background: #f8f8f8; }"));
    controls_["PageControl3"] = pages;
    // The pages in the order of the form's page captions.
    const std::vector<std::string>& captions = form_.Controls().Items("PageControl3");
    QWidget* built[] = {BuildSelfWeightPage(), BuildBackfillPage(), BuildOtherLoadsPage(),
                        BuildSeismicPage()};
    for (std::size_t i = 0; i < captions.size() && i < std::size(built); ++i)
        pages->addTab(built[i], ToQString(captions[i]));
}

QWidget* DesignConditionsWindow::BuildSelfWeightPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet1"));
    Make("RadioGroup3", page, 2, 2, 128, 44, true);
    QGroupBox* length = Group(QStringLiteral("擁壁ﾌﾞﾛｯｸ長(m)"), page, 132, 2, 96, 44);
    Labeled("ComboBox18", length, 0, 18, 38, 52);
    QGroupBox* weight = Group(QStringLiteral("②単位重量"), page, 230, 2, 126, 44);
    Labeled("ComboBox7", weight, 0, 18, 68, 54);

    QGroupBox* shape = Group(QStringLiteral("③擁壁形状"), page, 2, 48, 354, 366);
    auto* types = new QTabWidget(shape);
    types->setObjectName(QStringLiteral("PageControl2"));
    types->setGeometry(4, 16, 230, 346);
    controls_["PageControl2"] = types;

    // The outline boxes sit on the wall picture, next to the dimension lines they name.
    struct OnFigure {
        const char* Name;
        int X, Y, W;
    };
    auto buildType = [&](const char* sheet, WallPicture picture, std::initializer_list<OnFigure> boxes) {
        auto* tab = new QWidget;
        tab->setObjectName(QString::fromLatin1(sheet));
        Figure(picture, tab, 0, 0, 226, 242);
        for (const OnFigure& b : boxes) {
            QWidget* box = Make(b.Name, tab, b.X, b.Y, b.W, 18);
            box->setToolTip(ToQString(form_.Controls().State(b.Name).Caption));
        }
        return tab;
    };
    types->addTab(buildType("TabSheet3", WallPicture::Gravity,
                            {{"Edit36", 70, 28, 44},     // front slope, 117 to 121
                             {"Edit37", 104, 6, 42},     // crest, 121 to 130
                             {"Edit2", 150, 28, 44},     // back slope, 130 to 175
                             {"Edit38", 4, 100, 48},     // wall height, left of x 56
                             {"Edit39", 4, 166, 46},     // base thickness, 166 to 183
                             {"Edit34", 56, 200, 42},    // toe, 100 to 117
                             {"Edit30", 194, 200, 32},   // heel, 175 to 193
                             {"Edit31", 124, 214, 44}}), // base width at y 233
                  ToQString(form_.Controls().Items("PageControl2")[0]));
    types->addTab(buildType("TabSheet15", WallPicture::Leaning,
                            {{"Edit51", 56, 28, 44},     // front slope, 103 to 121
                             {"Edit52", 104, 6, 42},     // crest, 121 to 130
                             {"Edit60", 152, 12, 44},    // back slope, 124 to 150
                             {"Edit55", 4, 100, 48},
                             {"Edit56", 4, 166, 46},
                             {"Edit58", 48, 200, 42},    // toe, 93 to 102
                             {"Edit59", 128, 222, 44}}), // base width at y 233
                  ToQString(form_.Controls().Items("PageControl2")[1]));

    Text(QStringLiteral("単位（mm）"), shape, 240, 16, 110, 18);
    auto* keyPages = new QTabWidget(shape);
    keyPages->setGeometry(236, 34, 116, 328);
    auto* key = new QWidget;
    QWidget* keyFigure = Figure(WallPicture::Key, key, 0, 0, 112, 96);
    namespace dc = design_conditions;
    Make(dc::kKeyPositionLabel, keyFigure, 0, 64, 22, 13);
    Make(dc::kKeyWidthLabel, keyFigure, 24, 64, 22, 13);
    Make(dc::kKeyHeightLabel, keyFigure, 86, 48, 22, 13);
    Make("RadioGroup2", key, 2, 100, 106, 58);
    Labeled("Edit35", key, 0, 164, 58, 46);
    Labeled("Edit40", key, 0, 164 + kRow, 58, 46);
    Labeled("Edit41", key, 0, 164 + 2 * kRow, 58, 46);
    keyPages->addTab(key, QStringLiteral("突起"));
    return page;
}

QWidget* DesignConditionsWindow::BuildBackfillPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet2"));
    QGroupBox* surface = Group(QStringLiteral("①背面土形状"), page, 2, 2, 212, 292);
    auto* tabs = new QTabBar(surface);
    tabs->setObjectName(QStringLiteral("TabControl1"));
    tabs->setExpanding(false);
    for (const std::string& tab : form_.Controls().Items("TabControl1")) tabs->addTab(ToQString(tab));
    tabs->setGeometry(6, 16, 200, 24);
    controls_["TabControl1"] = tabs;
    Figure(WallPicture::Backfill, surface, 6, 40, 200, 202);
    Labeled("ComboBox1", surface, 4, 244, 90, 70);
    Labeled("Edit28", surface, 4, 244 + kRow, 90, 70);

    QGroupBox* surcharge = Group(QStringLiteral("②載荷重"), page, 216, 2, 140, 124);
    Make("CheckBox1", surcharge, 6, 16, 128, 20);
    QGroupBox* intensity = Group(QStringLiteral("載荷重強度"), surcharge, 4, 36, 132, 42);
    Labeled("Edit1", intensity, 0, 16, 72, 52);
    Make("RadioGroup8", surcharge, 4, 78, 132, 42, true);

    QGroupBox* snow = Group(QStringLiteral("③雪荷重"), page, 216, 128, 140, 104);
    Make("CheckBox4", snow, 6, 16, 128, 20);
    QGroupBox* sw = Group(QStringLiteral("SW (kN/m2)"), snow, 4, 36, 132, 64);
    Labeled("Edit43", sw, 0, 16, 52, 60);
    Labeled("Edit13", sw, 0, 16 + kRow, 52, 60);

    QGroupBox* pressure = Group(QStringLiteral("④土圧"), page, 216, 234, 140, 80);
    Make("RadioGroup6", pressure, 4, 16, 132, 60);

    QGroupBox* seismic = Group(QStringLiteral("地震設定"), page, 2, 296, 354, 118);
    Make("RadioGroup5", seismic, 4, 16, 150, 44);
    Make("RadioGroup9", seismic, 158, 16, 192, 84);
    return page;
}

QWidget* DesignConditionsWindow::BuildOtherLoadsPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet4"));
    QGroupBox* other = Group(QStringLiteral("その他の荷重"), page, 2, 2, 354, 238);
    QWidget* figure = Figure(WallPicture::OtherLoads, other, 4, 16, 200, 218);
    Make("CheckBox9", other, 214, 20, 136, 20);
    Make("CheckBox3", other, 214, 20 + kRow, 136, 20);
    Make("CheckBox5", other, 214, 20 + 2 * kRow, 136, 20);
    Make("CheckBox6", other, 214, 20 + 3 * kRow, 136, 20);
    namespace dc = design_conditions;
    Make(dc::kGroundLevelLabel, figure, 2, 150, 64, 13);
    Make(dc::kH0Label, figure, 40, 172, 20, 13);
    Make(dc::kVirtualGroundLabel, figure, 2, 192, 90, 13);
    Make(dc::kH1Label, figure, 176, 160, 20, 13);
    Make(dc::kH2Label, figure, 42, 50, 20, 13);
    Make(dc::kH3Label, figure, 114, 62, 20, 13);

    QGroupBox* passive = Group(QStringLiteral("①受働土圧"), page, 2, 242, 176, 44);
    Labeled("Edit54", passive, 0, 18, 112, 56);
    QGroupBox* water = Group(QStringLiteral("②水圧(浮力)"), page, 180, 242, 176, 86);
    Labeled("Edit62", water, 0, 16, 108, 60);
    Labeled("ComboBox8", water, 0, 16 + kRow, 108, 60);
    Make("CheckBox2", water, 8, 16 + 2 * kRow, 164, 20);
    QGroupBox* wind = Group(QStringLiteral("③風荷重"), page, 2, 288, 176, 64);
    Labeled("ComboBox3", wind, 0, 16, 118, 52);
    Labeled("ComboBox2", wind, 0, 16 + kRow, 118, 52);
    QGroupBox* collision = Group(QStringLiteral("④衝突荷重"), page, 180, 330, 176, 84);
    Labeled("ComboBox9", collision, 0, 16, 108, 60);
    Labeled("ComboBox4", collision, 0, 16 + kRow - 1, 108, 60);
    Labeled("Edit63", collision, 0, 16 + 2 * kRow - 2, 108, 60);
    return page;
}

QWidget* DesignConditionsWindow::BuildSeismicPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet7"));
    controls_["TabSheet7"] = page;
    QGroupBox* coefficient = Group(QStringLiteral("設計水平震度"), page, 2, 2, 354, 412);
    Labeled("ComboBox5", coefficient, 2, 18, 40, 58);
    Labeled("ComboBox6", coefficient, 102, 18, 62, 58);
    Labeled("Edit61", coefficient, 224, 18, 64, 56);

    auto* notebook = new QTabWidget(coefficient);
    notebook->setObjectName(QStringLiteral("PageControl1"));
    notebook->setGeometry(4, 44, 346, 364);
    controls_["PageControl1"] = notebook;
    const std::vector<std::string>& captions = form_.Controls().Items("PageControl1");

    auto* standard = new QWidget;
    standard->setObjectName(QStringLiteral("TabSheet8"));
    QGroupBox* table = Group(QStringLiteral("参表1-2：標準値（Kho）"), standard, 2, 2, 336, 86);
    Make("StringGrid1", table, 6, 18, 158, 61);
    QGroupBox* ground = Group(QStringLiteral("地盤種別判定"), standard, 2, 90, 336, 240);
    QGroupBox* layers = Group(QStringLiteral("地層区分"), ground, 4, 16, 170, 140);
    Make("StringGrid2", layers, 6, 18, 158, 118);
    QGroupBox* types = Group(QStringLiteral("表1-9：地盤種別"), ground, 178, 16, 154, 100);
    Make("StringGrid3", types, 2, 18, 150, 80);
    Make("SpeedButton4", ground, 178, 122, 154, 26);
    Make("Edit53", ground, 178, 152, 154, 20);
    notebook->addTab(standard, ToQString(captions[0]));

    auto* regional = new QWidget;
    regional->setObjectName(QStringLiteral("TabSheet9"));
    QGroupBox* initials = Group(QStringLiteral("県名頭文字"), regional, 2, 2, 128, 326);
    int i = 0;
    for (const RegionButton& b : RegionButtons()) {
        Make(b.Control, initials, 6 + (i % 4) * 30, 18 + (i / 4) * 30, 28, 28);
        ++i;
    }
    QGroupBox* zones = Group(QStringLiteral("対象地域"), regional, 132, 2, 90, 326);
    Make("ListBox1", zones, 4, 18, 82, 302);
    QGroupBox* areas = Group(QStringLiteral("対象地域一覧"), regional, 224, 2, 114, 326);
    Make("ListBox2", areas, 4, 18, 106, 302);
    notebook->addTab(regional, ToQString(captions[1]));
    return page;
}

// ---- From the widgets to the form ---------------------------------------------------------

void DesignConditionsWindow::Connect(const std::string& name, QWidget* widget) {
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        connect(edit, &QLineEdit::textEdited, this, [this, name](const QString& text) {
            Apply([&] { form_.SetText(name, FromQString(text)); });
        });
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        connect(combo, &QComboBox::currentTextChanged, this, [this, name](const QString& text) {
            if (syncing_) return;
            Apply([&] { form_.SetText(name, FromQString(text)); });
        });
    } else if (auto* check = qobject_cast<QCheckBox*>(widget)) {
        connect(check, &QCheckBox::clicked, this, [this, name](bool checked) {
            Apply([&] { form_.SetChecked(name, checked); });
        });
    } else if (auto* tabs = qobject_cast<QTabWidget*>(widget)) {
        connect(tabs, &QTabWidget::currentChanged, this, [this, name](int index) {
            if (syncing_ || index < 0) return;
            Apply([&] { form_.SetIndex(name, index); });
        });
    } else if (auto* bar = qobject_cast<QTabBar*>(widget)) {
        connect(bar, &QTabBar::currentChanged, this, [this, name](int index) {
            if (syncing_ || index < 0) return;
            Apply([&] { form_.SetIndex(name, index); });
        });
    } else if (auto* grid = qobject_cast<QTableWidget*>(widget)) {
        connect(grid, &QTableWidget::cellClicked, this, [this, name](int row, int column) {
            Apply([&] { form_.ClickCell(name, row, column); });
        });
        connect(grid, &QTableWidget::itemChanged, this, [this, name](QTableWidgetItem* item) {
            if (syncing_) return;
            Apply([&] { form_.SetCell(name, item->row(), item->column(), FromQString(item->text())); });
        });
    } else if (auto* list = qobject_cast<QListWidget*>(widget)) {
        // A click on an item acts even when the item was selected already.
        connect(list, &QListWidget::itemClicked, this, [this, name, list](QListWidgetItem* item) {
            const int row = list->row(item);
            Apply([&] { form_.SetIndex(name, row); });
        });
        connect(list, &QListWidget::currentRowChanged, this, [this, name](int row) {
            if (syncing_ || row < 0 || row == form_.Controls().Index(name)) return;
            Apply([&] { form_.SetIndex(name, row); });
        });
    } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
        connect(button, &QPushButton::clicked, this, [this, name] {
            if (name == "SpeedButton1") {
                emit StartCalculationRequested();
            } else if (name == "SpeedButton2" || name == "SpeedButton3") {
                // The helper window opens over the load panel, just inside its frame.
                const int inset = name == "SpeedButton2" ? 4 : 70;
                const QPoint at = frameGeometry().topLeft() +
                                  QPoint(inset + loadPanel_->x(), 22 + loadPanel_->y());
                if (name == "SpeedButton2") emit SoilConstantsRequested(at);
                else emit AllowableStressRequested(at);
            } else {
                Apply([&] { form_.ClickButton(name); });
            }
        });
    } else if (radioGroups_.count(name) != 0) {
        connect(radioGroups_[name], &QButtonGroup::idClicked, this, [this, name](int id) {
            Apply([&] { form_.SetIndex(name, id); });
        });
    }
}

void DesignConditionsWindow::Apply(const std::function<void()>& change) {
    if (syncing_) return;
    QString failure;
    try {
        change();
    } catch (const std::exception& e) {
        failure = QString::fromUtf8(e.what());
    }
    SyncFromModel();
    if (!failure.isEmpty()) emit ConversionFailed(failure);
}

bool DesignConditionsWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        QString name = watched->objectName();
        if (name.endsWith(QStringLiteral("_edit"))) name.chop(5);  // a combo box's edit line
        const std::string box = FromQString(name);
        if (controls_.count(box) != 0 && OpensKeypad(box)) {
            emit KeypadRequested(name);
            if (ShowsGroundDiagram(box)) emit GroundDiagramRequested(name);
        }
    }
    return QWidget::eventFilter(watched, event);
}

// ---- From the form to the widgets ----------------------------------------------------------

void DesignConditionsWindow::SyncFromModel() {
    syncing_ = true;
    setWindowTitle(ToQString(form_.Caption()));
    for (const auto& [name, widget] : controls_) SyncControl(name, widget);
    syncing_ = false;

    if (form_.FigureRedraws() != seenFigureRedraws_) {
        seenFigureRedraws_ = form_.FigureRedraws();
        for (const auto& [name, figure] : figures_) figure->UpdateFigure();
        emit FiguresChanged();
    }
    if (form_.PreviewMenuUpdates() != seenPreviewMenuUpdates_) {
        seenPreviewMenuUpdates_ = form_.PreviewMenuUpdates();
        emit PreviewMenuChanged();
    }
}

void DesignConditionsWindow::SyncControl(const std::string& name, QWidget* widget) {
    const ControlStore& store = form_.Controls();
    const ControlState& state = store.State(name);
    const QSignalBlocker block(widget);
    const QColor background = ToQColor(state.Background, palette());
    if (widget->isEnabled() != state.Enabled) widget->setEnabled(state.Enabled);
    const QString hint = ToQString(state.Hint);
    if (!hint.isEmpty() && widget->toolTip() != hint) widget->setToolTip(hint);

    switch (state.Kind) {
    case ControlKind::Edit: {
        auto* edit = static_cast<QLineEdit*>(widget);
        const QString text = ToQString(state.Text);
        if (edit->text() != text) edit->setText(text);
        SetBase(edit, background);
        break;
    }
    case ControlKind::ComboBox: {
        auto* combo = static_cast<QComboBox*>(widget);
        const QStringList items = ToStringList(state.Items);
        QStringList shown;
        for (int i = 0; i < combo->count(); ++i) shown.append(combo->itemText(i));
        if (shown != items) {
            combo->clear();
            combo->addItems(items);
        }
        const QString text = ToQString(state.Text);
        const int index = combo->findText(text, Qt::MatchExactly);
        if (combo->currentIndex() != index) combo->setCurrentIndex(index);
        if (combo->currentText() != text) combo->setEditText(text);
        SetBase(combo, background);
        SetBase(combo->lineEdit(), background);
        break;
    }
    case ControlKind::CheckBox: {
        auto* check = static_cast<QCheckBox*>(widget);
        if (check->isChecked() != state.Checked) check->setChecked(state.Checked);
        SetTextColour(check, ToQColor(state.FontColour, palette()));
        break;
    }
    case ControlKind::RadioGroup: {
        QButtonGroup* buttons = radioGroups_.at(name);
        const QSignalBlocker blockGroup(buttons);
        QAbstractButton* chosen = buttons->button(state.ItemIndex);
        if (chosen == nullptr) {
            if (buttons->checkedButton() != nullptr) {
                buttons->setExclusive(false);
                buttons->checkedButton()->setChecked(false);
                buttons->setExclusive(true);
            }
        } else if (!chosen->isChecked()) {
            chosen->setChecked(true);
        }
        break;
    }
    case ControlKind::PageControl: {
        auto* tabs = static_cast<QTabWidget*>(widget);
        if (name == "PageControl3") {
            // The seismic page is shown only for the seismic case.
            QWidget* seismic = controls_.at("TabSheet7");
            const int at = tabs->indexOf(seismic);
            if (tabs->isTabVisible(at) != store.Visible("TabSheet7"))
                tabs->setTabVisible(at, store.Visible("TabSheet7"));
        }
        if (state.ItemIndex >= 0 && tabs->currentIndex() != state.ItemIndex)
            tabs->setCurrentIndex(state.ItemIndex);
        break;
    }
    case ControlKind::TabControl: {
        auto* bar = static_cast<QTabBar*>(widget);
        if (state.ItemIndex >= 0 && bar->currentIndex() != state.ItemIndex)
            bar->setCurrentIndex(state.ItemIndex);
        break;
    }
    case ControlKind::TabSheet:
        break;  // shown or hidden by its notebook
    case ControlKind::StringGrid: {
        auto* grid = static_cast<QTableWidget*>(widget);
        const int rows = static_cast<int>(state.Cells.size());
        const int columns = rows == 0 ? 0 : static_cast<int>(state.Cells[0].size());
        if (grid->rowCount() != rows) grid->setRowCount(rows);
        if (grid->columnCount() != columns) grid->setColumnCount(columns);
        for (int c = 0; c < static_cast<int>(state.ColumnWidths.size()) && c < columns; ++c)
            if (grid->columnWidth(c) != state.ColumnWidths[static_cast<std::size_t>(c)])
                grid->setColumnWidth(c, state.ColumnWidths[static_cast<std::size_t>(c)]);
        const QColor fixed = palette().color(QPalette::Button);
        for (int r = 0; r < rows; ++r) {
            const auto& cells = state.Cells[static_cast<std::size_t>(r)];
            for (int c = 0; c < columns && c < static_cast<int>(cells.size()); ++c) {
                QTableWidgetItem* item = grid->item(r, c);
                if (item == nullptr) {
                    item = new QTableWidgetItem;
                    // The header row and the first column are fixed cells.
                    if (r == 0 || c == 0) {
                        item->setFlags(item->flags() & ~Qt::ItemIsEditable);
                        item->setBackground(fixed);
                    }
                    grid->setItem(r, c, item);
                }
                const QString text = ToQString(cells[static_cast<std::size_t>(c)]);
                if (item->text() != text) item->setText(text);
            }
        }
        SetBase(grid, background);
        break;
    }
    case ControlKind::ListBox: {
        auto* list = static_cast<QListWidget*>(widget);
        const QStringList items = ToStringList(state.Items);
        QStringList shown;
        for (int i = 0; i < list->count(); ++i) shown.append(list->item(i)->text());
        if (shown != items) {
            list->clear();
            list->addItems(items);
        }
        if (list->currentRow() != state.ItemIndex) list->setCurrentRow(state.ItemIndex);
        SetBase(list, background);
        break;
    }
    case ControlKind::Label: {
        auto* label = static_cast<QLabel*>(widget);
        const QString text = ToQString(state.Caption);
        if (label->text() != text) label->setText(text);
        // Hidden and shown within its page: not visible while the page itself is hidden.
        if (label->isHidden() == state.Visible) label->setHidden(!state.Visible);
        break;
    }
    case ControlKind::Button: {
        auto* button = static_cast<QPushButton*>(widget);
        const QString text = ToQString(state.Caption);
        if (button->text() != text) button->setText(text);
        break;
    }
    }
}

}  // namespace stelvar::ui
