// The controls of the main window and where they stand. The window is 1024 x 768; the notation
// fills the drawing area above a 100-pixel band of controls; the plan panels wait below the band
// until the plan mode raises them.
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPalette>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <QToolButton>

#include "app/main_window.h"
#include "app/picture_box.h"
#include "app/screen_lock_rules.h"
#include "app/window_palette.h"
#include "notation/edit_rules.h"
#include "notation/geometry.h"
#include "notation/qt/notation_view.h"
#include "plans/qt/plan_column_header.h"

namespace ritmora {
namespace {

constexpr int kWindowWidth = 1024;
constexpr int kBandHeight = 100;
constexpr int kPlanFrameHeight = 160;

template <typename T>
T* Named(T* object, const QString& name) {
    object->setObjectName(name);
    return object;
}

// Menu pictures as large as they are drawn: menus show icons at the small icon size.
class MenuPictureStyle : public QProxyStyle {
  public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override {
        if (metric == PM_SmallIconSize) return qRound(26 * GlyphSheet::kMenuPictureZoom);
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

QPixmap QuestionIcon(int size) {
    QPixmap icon(size, size);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0, 0, 128), 2));
    painter.setBrush(QColor(255, 255, 224));
    painter.drawEllipse(QRectF(1.5, 1.5, size - 3, size - 3));
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(size * 2 / 3);
    painter.setFont(font);
    painter.drawText(QRect(0, 0, size, size), Qt::AlignCenter, QStringLiteral("?"));
    return icon;
}

}  // namespace

void ArayüzKalıp::BuildControls() {
    auto* area = new QWidget(this);
    area->setObjectName(QStringLiteral("drawingArea"));
    area->setAutoFillBackground(true);
    setCentralWidget(area);

    BuildMenus();

    WindowControls& c = controls_;
    c.Picture5 = new PictureBox(QStringLiteral("Picture5"), area);
    c.Picture5->setGeometry(26, 12, 964, 528);
    c.Picture5->ClearPicture(Qt::white);
    c.Picture5->hide();

    c.Picture1 = new NotationView(area);
    c.Picture1->setObjectName(QStringLiteral("Picture1"));
    c.Picture1->move(26, 0);
    c.Picture1->SetPictureSize(964, 150);

    c.Picture4 = new PictureBox(QStringLiteral("Picture4"), area);
    c.Picture4->setGeometry(30, 20, 960, 512);
    c.Picture4->ClearPicture(Qt::white);
    c.Picture4->hide();

    BuildHelpPanel(area);

    c.Picture8 = new PictureBox(QStringLiteral("Picture8"), area);
    c.Picture8->setGeometry(50, 620, 170, 67);
    DrawMetronomeGrid();
    c.Picture8->hide();

    c.imajPenceresi = new PictureBox(QStringLiteral("imajPenceresi"), area);
    c.imajPenceresi->setGeometry(0, 0, 964, 210);
    c.imajPenceresi->setFont(notationFont_);
    c.imajPenceresi->hide();

    for (QListWidget** list : {&c.List1, &c.List2}) {
        *list = new QListWidget(area);
        (*list)->setFont(listFont_);
        (*list)->setSelectionMode(QAbstractItemView::SingleSelection);  // the current slot
        (*list)->setGeometry(308, 30, 400, 560);
        (*list)->viewport()->installEventFilter(this);
        (*list)->hide();
    }
    c.List1->setObjectName(QStringLiteral("List1"));
    c.List2->setObjectName(QStringLiteral("List2"));

    BuildBand(area);
    BuildPlanPanels(area);

    auto* titleStyle = new FrameTitleStyle;
    titleStyle->setParent(this);  // outlives the frames, which are the drawing area's
    for (QGroupBox* frame : area->findChildren<QGroupBox*>()) frame->setStyle(titleStyle);

    c.TimerWav = Named(new QTimer(this), QStringLiteral("TimerWav"));
    c.TimerWav->setInterval(100);

    // The sweep of the screen states reaches every named control, menus and timers included.
    for (QWidget* widget : area->findChildren<QWidget*>()) {
        if (!widget->objectName().isEmpty() &&
            widget->objectName() != QLatin1String("drawingArea") &&
            !widget->objectName().startsWith(QLatin1String("qt_"))) {
            RegisterControl(widget);
        }
    }
    for (QMenu* menu : {c.Mn_volüm, c.Mn_orta, c.Mn_zayıf, c.Mn_aktar}) {
        menu->menuAction()->setObjectName(menu->objectName());
        RegisterControl(menu->menuAction());
    }
    for (QAction* action :
         {c.Mn_Lisanlar, c.Mn_yardm, c.Mn_bilgi, c.Mn_RenkZemin, c.Mn_SesKaydet, c.Mn_PDF}) {
        RegisterControl(action);
    }
    for (QAction* action : c.Mn_Oseviye) RegisterControl(action);
    for (QAction* action : c.Mn_Zseviye) RegisterControl(action);
    for (QMenu* menu : {c.Mn_edit, c.Mn_metinler, c.Mn_birim}) RegisterControl(menu);
    for (QAction* action : c.Mn_editNota) RegisterControl(action);
    for (QAction* action : c.Mn_metin) RegisterControl(action);
    for (QAction* action : c.Mn_birimItems) RegisterControl(action);
    RegisterControl(c.TimerWav);
}

void ArayüzKalıp::BuildMenus() {
    WindowControls& c = controls_;
    QMenuBar* bar = menuBar();
    c.Mn_volüm = Named(bar->addMenu(QString()), QStringLiteral("Mn_volüm"));
    c.Mn_orta = Named(c.Mn_volüm->addMenu(QString()), QStringLiteral("Mn_orta"));
    c.Mn_zayıf = Named(c.Mn_volüm->addMenu(QString()), QStringLiteral("Mn_zayıf"));
    for (auto [menu, items, name] :
         {std::tuple{c.Mn_orta, &c.Mn_Oseviye, QStringLiteral("Mn_Oseviye")},
          std::tuple{c.Mn_zayıf, &c.Mn_Zseviye, QStringLiteral("Mn_Zseviye")}}) {
        auto* group = new QActionGroup(menu);
        for (int item = 2; item <= 9; ++item) {
            QAction* action = menu->addAction(QStringLiteral("%1 %").arg(item * 10));
            action->setObjectName(QStringLiteral("%1(%2)").arg(name).arg(item));
            action->setCheckable(true);
            group->addAction(action);
            (*items)[static_cast<std::size_t>(item - 2)] = action;
        }
    }
    // Titles now, so that the bar has its real height when the band is placed below it.
    for (QMenu* menu : {c.Mn_volüm, c.Mn_orta, c.Mn_zayıf}) {
        menu->setTitle(QString::fromStdString(
            CaptionText(Language::Turkish, menu->objectName().toStdString())));
    }
    c.Mn_Oseviye[6 - 2]->setChecked(true);
    c.Mn_Zseviye[4 - 2]->setChecked(true);
    c.Mn_RenkZemin = Named(bar->addAction(QString()), QStringLiteral("Mn_RenkZemin"));
    c.Mn_Lisanlar = Named(bar->addAction(QString()), QStringLiteral("Mn_Lisanlar"));
    c.Mn_yardm = Named(bar->addAction(QString()), QStringLiteral("Mn_yardm"));
    c.Mn_bilgi = Named(bar->addAction(QString()), QStringLiteral("Mn_bilgi"));
    // Export, last on the bar so that nothing before it moves.
    c.Mn_aktar = Named(bar->addMenu(QString()), QStringLiteral("Mn_aktar"));
    c.Mn_aktar->setTitle(QString::fromStdString(CaptionText(Language::Turkish, "Mn_aktar")));
    c.Mn_SesKaydet = Named(c.Mn_aktar->addAction(QString()), QStringLiteral("Mn_SesKaydet"));
    c.Mn_SesKaydet->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    c.Mn_PDF = Named(c.Mn_aktar->addAction(QString()), QStringLiteral("Mn_PDF"));
    for (QAction* action :
         {c.Mn_RenkZemin, c.Mn_Lisanlar, c.Mn_yardm, c.Mn_bilgi, c.Mn_SesKaydet, c.Mn_PDF}) {
        action->setText(QString::fromStdString(
            CaptionText(Language::Turkish, action->objectName().toStdString())));
    }

    // The note menu: pictures of the note values, two text items and a separator.
    c.Mn_edit = Named(new QMenu(this), QStringLiteral("Mn_edit"));
    for (int item = 0; item < 15; ++item) {
        QAction* action = c.Mn_edit->addAction(QString());
        action->setObjectName(QStringLiteral("Mn_editNota(%1)").arg(item));
        if (item == 7) {
            action->setSeparator(true);
        } else {
            const QPixmap picture = glyphs_.MenuPicture(item, devicePixelRatioF());
            if (!picture.isNull()) action->setIcon(QIcon(picture));
        }
        c.Mn_editNota[static_cast<std::size_t>(item)] = action;
    }
    auto* pictureStyle = new MenuPictureStyle;
    pictureStyle->setParent(c.Mn_edit);
    c.Mn_edit->setStyle(pictureStyle);

    c.Mn_metinler = Named(new QMenu(this), QStringLiteral("Mn_metinler"));
    for (int item = 0; item < 9; ++item) {
        QAction* action = c.Mn_metinler->addAction(QString());
        action->setObjectName(QStringLiteral("Mn_metin(%1)").arg(item));
        c.Mn_metin[static_cast<std::size_t>(item)] = action;
    }

    c.Mn_birim = Named(new QMenu(this), QStringLiteral("Mn_birim"));
    const char* const unitNames[] = {"ikilik", "dörtlük", "sekizlik", "onaltılık", "otuzikilik"};
    for (std::size_t item = 0; item < 5; ++item) {
        QAction* action = c.Mn_birim->addAction(QString());
        action->setObjectName(QString::fromUtf8(unitNames[item]));
        c.Mn_birimItems[item] = action;
    }
}

void ArayüzKalıp::BuildBand(QWidget* area) {
    WindowControls& c = controls_;
    const int top = InnerHeight() - kBandHeight + 2;
    const int frameHeight = kBandHeight - 4;
    auto frame = [&](const char* name, int left, int width) {
        auto* box = Named(new QGroupBox(area), QString::fromUtf8(name));
        box->setGeometry(left, top, width, frameHeight);
        return box;
    };
    auto button = [](QWidget* parent, const char* name, int x, int y, int w, int h = 22) {
        auto* result = Named(new QPushButton(parent), QString::fromUtf8(name));
        result->setGeometry(x, y, w, h);
        result->setAutoDefault(false);
        return result;
    };
    auto label = [](QWidget* parent, const char* name, int x, int y, int w, int h = 16) {
        auto* result = Named(new QLabel(parent), QString::fromUtf8(name));
        result->setGeometry(x, y, w, h);
        return result;
    };
    auto box = [](QWidget* parent, const char* name, int x, int y, int w, int h = 20) {
        auto* result = Named(new QLineEdit(parent), QString::fromUtf8(name));
        result->setGeometry(x, y, w, h);
        return result;
    };

    // Tempo: the scroll bar, its value and the unit note.
    c.Frame8 = frame("Frame8", 4, 100);
    c.VScroll1 = Named(new QScrollBar(Qt::Vertical, c.Frame8), QStringLiteral("VScroll1"));
    c.VScroll1->setGeometry(6, 12, 16, 78);
    c.VScroll1->setRange(20, 250);
    c.VScroll1->setPageStep(10);
    c.VScroll1->setValue(120);
    c.Label5 = label(c.Frame8, "Label5", 28, 12, 60, 18);
    c.PicBirimNota = new PictureBox(QStringLiteral("PicBirimNota"), c.Frame8);
    c.PicBirimNota->setGeometry(30, 34, 20, 44);
    c.PicBirimNota->setCursor(Qt::PointingHandCursor);
    c.Label7 = label(c.Frame8, "Label7", 52, 56, 46, 16);

    // Time signature, total and status.
    c.Frame6 = frame("Frame6", 108, 104);
    c.Text2 = box(c.Frame6, "Text2", 8, 14, 36);
    auto* slash = new QLabel(QStringLiteral("/"), c.Frame6);
    slash->setGeometry(46, 14, 10, 20);
    slash->setAlignment(Qt::AlignCenter);
    c.Text3 = box(c.Frame6, "Text3", 58, 14, 36);
    c.Text3->installEventFilter(this);
    c.Text4 = box(c.Frame6, "Text4", 8, 42, 86);
    c.Text4->setReadOnly(true);
    c.Text4->setFocusPolicy(Qt::NoFocus);
    c.Label4 = label(c.Frame6, "Label4", 8, 68, 86, 18);
    c.Label4->setAlignment(Qt::AlignCenter);
    QFont statusFont = c.Label4->font();
    statusFont.setBold(true);
    c.Label4->setFont(statusFont);

    // The usul on screen and the library operations.
    c.Frame3 = frame("Frame3", 216, 326);
    c.Label1 = label(c.Frame3, "Label1", 8, 16, 34, 20);
    c.Label1->setFrameShape(QFrame::Panel);
    c.Label1->setFrameShadow(QFrame::Sunken);
    c.Label1->setAlignment(Qt::AlignCenter);
    c.Label1->installEventFilter(this);
    c.Text5 = box(c.Frame3, "Text5", 46, 16, 272);
    c.But_önceki = button(c.Frame3, "But_önceki", 8, 42, 34);
    c.But_önceki->setText(QStringLiteral("<"));
    c.But_sonraki = button(c.Frame3, "But_sonraki", 44, 42, 34);
    c.But_sonraki->setText(QStringLiteral(">"));
    c.But_yükle = button(c.Frame3, "But_yükle", 82, 42, 116);
    c.But_farklı = button(c.Frame3, "But_farklı", 202, 42, 116);
    c.But_kaydet = button(c.Frame3, "But_kaydet", 8, 68, 100);
    c.But_Sil = button(c.Frame3, "But_Sil", 112, 68, 100);
    c.But_Temizle = button(c.Frame3, "But_Temizle", 218, 68, 100);
    // The source of the usul on screen: one line above its name, in the strip between the
    // notation's lowest possible row and the band, clear of the metronome grid on the left.
    const int sourceTop = NotationPictureTop(InnerHeight(), kMaxRows) + kMaxRows * kRowHeight + 1;
    c.Label_kaynak = label(area, "Label_kaynak", c.Frame3->x() + 8, sourceTop,
                           kWindowWidth - c.Frame3->x() - 16, top - sourceTop - 1);

    // Spacing commands.
    c.Frame4 = frame("Frame4", 546, 92);
    c.But_kısalt = button(c.Frame4, "But_kısalt", 5, 16, 40);
    c.But_uzat = button(c.Frame4, "But_uzat", 47, 16, 40);
    c.But_optimize = button(c.Frame4, "But_optimize", 6, 44, 80, 40);

    // Duration transforms.
    c.Frame7 = frame("Frame7", 642, 114);
    c.But_mertebe[0] = button(c.Frame7, "But_mertebe(0)", 6, 18, 102, 32);
    c.But_mertebe[1] = button(c.Frame7, "But_mertebe(1)", 6, 54, 102, 32);

    // Picture and print.
    c.But_JPG = button(area, "But_JPG", 760, top + 8, 60, 38);
    c.But_baskı = button(area, "But_baskı", 760, top + 52, 60, 38);

    // Instrument and playback: right of the plan panels, so they stay in sight in plan mode.
    c.Frame1 = frame("Frame1", 824, 94);
    for (int item = 1; item <= 3; ++item) {
        auto* option = Named(new QRadioButton(c.Frame1), QStringLiteral("Option1(%1)").arg(item));
        option->setGeometry(5, 2 + 24 * item, 86, 20);
        c.Option1[static_cast<std::size_t>(item - 1)] = option;
    }
    c.Option1[0]->setChecked(true);
    c.Frame2 = frame("Frame2", 922, 98);
    c.But_Baslat = button(c.Frame2, "But_Baslat", 4, 16, 44, 24);
    c.But_Dur = button(c.Frame2, "But_Dur", 50, 16, 44, 24);
    c.Option2 = Named(new QRadioButton(c.Frame2), QStringLiteral("Option2"));
    c.Option2->setGeometry(6, 42, 88, 17);
    c.Option3 = Named(new QRadioButton(c.Frame2), QStringLiteral("Option3"));
    c.Option3->setGeometry(6, 58, 88, 17);
    c.Option4 = Named(new QRadioButton(c.Frame2), QStringLiteral("Option4"));
    c.Option4->setGeometry(6, 74, 88, 17);
    c.Option2->setChecked(true);
}

void ArayüzKalıp::BuildPlanPanels(QWidget* area) {
    WindowControls& c = controls_;
    auto button = [](QWidget* parent, const char* name, int x, int y, int w, int h = 24) {
        auto* result = Named(new QPushButton(parent), QString::fromUtf8(name));
        result->setGeometry(x, y, w, h);
        result->setAutoDefault(false);
        return result;
    };
    // Placed by EkranDizayn: side by side, out of sight below the drawing area.
    c.Frame5 = Named(new QGroupBox(area), QStringLiteral("Frame5"));
    c.Frame5->resize(200, kPlanFrameHeight);
    c.File1 = Named(new QListWidget(c.Frame5), QStringLiteral("File1"));
    c.File1->setGeometry(8, 18, 184, 104);
    c.Command4 = button(c.Frame5, "Command4", 8, 128, 58);
    c.Command5 = button(c.Frame5, "Command5", 71, 128, 58);
    c.Command10 = button(c.Frame5, "Command10", 134, 128, 58);

    c.Frame10 = Named(new QGroupBox(area), QStringLiteral("Frame10"));
    c.Frame10->resize(190, kPlanFrameHeight);
    c.List3 = Named(new QListWidget(c.Frame10), QStringLiteral("List3"));
    c.List3->setGeometry(8, 18, 174, 88);
    c.Picture2 = new PictureBox(QStringLiteral("Picture2"), c.Frame10);
    c.Picture2->setGeometry(8, 110, 174, 10);
    c.Picture2->ClearPicture(Qt::white);
    c.Label3 = Named(new QLabel(c.Frame10), QStringLiteral("Label3"));
    c.Label3->setGeometry(8, 128, 64, 24);
    c.Command1 = button(c.Frame10, "Command1", 74, 128, 56);
    c.Command3 = button(c.Frame10, "Command3", 134, 128, 48);

    c.Frame9 = Named(new QGroupBox(area), QStringLiteral("Frame9"));
    c.Frame9->resize(418, kPlanFrameHeight);
    c.Label9 = Named(new QLabel(c.Frame9), QStringLiteral("Label9"));
    c.Label9->setGeometry(8, 20, 60, 18);
    c.Text9 = Named(new QLineEdit(c.Frame9), QStringLiteral("Text9"));
    c.Text9->setGeometry(70, 18, 190, 22);
    c.Command8 = button(c.Frame9, "Command8", 266, 17, 80);
    c.Command2 = Named(new QToolButton(c.Frame9), QStringLiteral("Command2"));
    c.Command2->setGeometry(374, 12, 36, 36);
    c.Command2->setIconSize(QSize(32, 32));
    c.Command2->setIcon(QIcon(QuestionIcon(32)));
    c.Command2->setAutoRaise(true);
    c.Text14 = Named(new QPlainTextEdit(c.Frame9), QStringLiteral("Text14"));
    c.Text14->setGeometry(8, 62, 402, 92);
    c.Text14->setFont(listFont_);
    c.Text14->setLineWrapMode(QPlainTextEdit::NoWrap);
    c.Label2 = Named(new PlanColumnHeader(c.Text14, c.Frame9), QStringLiteral("Label2"));
    c.Label2->setGeometry(8, 46, 402, 16);
    // Raised over the band, the panels must hide what lies below them.
    for (QWidget* frame : {c.Frame5, c.Frame10, c.Frame9}) frame->setAutoFillBackground(true);
}

void ArayüzKalıp::BuildHelpPanel(QWidget* area) {
    WindowControls& c = controls_;
    c.Picture3 = Named(new QFrame(area), QStringLiteral("Picture3"));
    auto* panel = static_cast<QFrame*>(c.Picture3);
    panel->setGeometry(110, 40, 837, 430);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    panel->setAutoFillBackground(true);

    c.Frame12 = Named(new QGroupBox(panel), QStringLiteral("Frame12"));
    c.Frame12->setGeometry(8, 6, 424, 418);
    c.Text1 = Named(new QPlainTextEdit(c.Frame12), QStringLiteral("Text1"));
    c.Text1->setGeometry(8, 22, 408, 388);
    c.Text1->setReadOnly(true);
    c.Image3 = Named(new QToolButton(c.Frame12), QStringLiteral("Image3"));
    c.Image3->setGeometry(400, 2, 18, 18);
    c.Image3->setIconSize(QSize(16, 16));
    c.Image3->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    c.Image3->setAutoRaise(true);

    c.Frame13 = Named(new QGroupBox(panel), QStringLiteral("Frame13"));
    c.Frame13->setGeometry(440, 6, 389, 150);
    c.Frame14 = Named(new QGroupBox(panel), QStringLiteral("Frame14"));
    c.Frame14->setGeometry(440, 162, 389, 262);
    panel->hide();
}

void ArayüzKalıp::DrawMetronomeGrid() {
    PictureBox* grid = controls_.Picture8;
    // Drawn for the screen's pixels, so that the numbers stay crisp on a scaled screen.
    const qreal ratio = grid->devicePixelRatioF();
    QImage picture((QSizeF(grid->size()) * ratio).toSize(), QImage::Format_RGB32);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(QColor(160, 160, 160));
    for (int row = 0; row <= 4; ++row)
        painter.drawLine(0, row * 17 - (row == 4), 169, row * 17 - (row == 4));
    for (int column = 0; column <= 10; ++column) {
        painter.drawLine(column * 17 - (column == 10), 0, column * 17 - (column == 10), 66);
    }
    // Three digits in a 17-pixel cell: a narrow face, and squeezed to the cell if still wider,
    // so that neighbouring numbers never run together.
    QFont font = notationFont_;
    font.setPixelSize(10);
    font.setStretch(QFont::Condensed);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QFontMetricsF metrics(font, &picture);
    const qreal room = kMetronomeGridCell - 3;
    for (int row = 0; row < kMetronomeGridRows; ++row) {
        for (int column = 0; column < kMetronomeGridColumns; ++column) {
            const QString value = QString::number(MetronomeGridValue(row, column));
            const qreal width = metrics.horizontalAdvance(value);
            const qreal scale = std::min(1.0, room / width);
            painter.save();
            painter.translate((column + 0.5) * kMetronomeGridCell, row * kMetronomeGridCell);
            painter.scale(scale, 1.0);
            painter.drawText(QRectF(-width / 2, 0, width, kMetronomeGridCell), Qt::AlignCenter,
                             value);
            painter.restore();
        }
    }
    painter.end();
    grid->Picture() = picture;
    grid->update();
}

int ArayüzKalıp::InnerHeight() const {
    const int barHeight = menuBar()->isNativeMenuBar() ? 0 : menuBar()->sizeHint().height();
    return height() - barHeight;
}

void ArayüzKalıp::EkranDizayn() {
    WindowControls& c = controls_;
    const int innerHeight = InnerHeight();
    c.Picture1->move(26, c.Picture1->y());
    c.Picture5->setGeometry(c.Picture1->x(), 12, c.Picture1->width(), 528);
    c.Picture3->setGeometry(110, 40, 837, 430);
    c.Picture4->setGeometry(30, 20, 960, 512);
    // The plan frames wait just below the drawing area, from the tempo scroll bar's left edge.
    const int left = c.VScroll1->mapTo(centralWidget(), QPoint(0, 0)).x();
    c.Frame5->move(left, innerHeight + 2);
    c.Frame10->move(c.Frame5->x() + c.Frame5->width(), innerHeight + 2);
    c.Frame9->move(c.Frame10->x() + c.Frame10->width(), innerHeight + 2);
    ApplyFixedSlotLock();
}

void ArayüzKalıp::renklendir(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    // One palette on the drawing area: the panels, frames, labels and options listed for the
    // background all inherit it, and so do their disabled colours, which come from it alone.
    centralWidget()->setPalette(
        BackgroundPalette(QApplication::palette(), QColor(red, green, blue)));
    centralWidget()->setAutoFillBackground(true);
    PaintUnitNoteBox();
}

void ArayüzKalıp::PaintUnitNoteBox() {
    PictureBox* box = controls_.PicBirimNota;
    const QColor background = box->palette().color(QPalette::Window);
    box->ClearPicture(background);
    const int code = model_.UnitNote() == 4 ? 162 : model_.UnitNote() == 8 ? 164 : 166;
    // The glyph's ink, in the colour that reads on the background: on a light one this is the
    // AND copy's black, on a dark one the note would vanish in black.
    QImage glyph(box->Picture().size(), QImage::Format_RGB32);
    glyph.fill(Qt::white);
    glyphs_.CopyGlyph(glyph, glyphs_.Small(), code, 6, 0);
    const QRgb ink = InkOn(background).rgb();
    for (int y = 0; y < glyph.height(); ++y) {
        for (int x = 0; x < glyph.width(); ++x) {
            if (glyph.pixel(x, y) == qRgb(0, 0, 0)) box->Picture().setPixel(x, y, ink);
        }
    }
    box->update();
}

}  // namespace ritmora
