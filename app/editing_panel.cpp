// Editing by mouse: presses and hovering on the notation picture, the note and syllable menus,
// and the metronome grid.
#include "app/editing_panel.h"

#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QRadioButton>
#include <QScrollBar>
#include <optional>

#include "app/main_window.h"
#include "app/picture_box.h"
#include "notation/edit_rules.h"
#include "notation/note_values.h"
#include "notation/qt/notation_view.h"

namespace ritmora {
namespace {

constexpr int kNothingLoadedMessage = 15;
constexpr int kHoverSquare = 31;  // (0, 0) to (30, 30), where the hovered ring's number stands
constexpr int kHoverTextAt = 10;

constexpr int kGridCell = 17;
constexpr int kGridColumns = 10;
constexpr int kGridRows = 4;
constexpr int kGridValues[kGridRows][kGridColumns] = {
    {20, 40, 42, 44, 46, 48, 50, 52, 54, 56},
    {58, 60, 63, 66, 69, 72, 76, 80, 84, 88},
    {92, 96, 100, 104, 108, 112, 116, 120, 126, 132},
    {138, 144, 152, 160, 168, 176, 184, 192, 200, 208},
};
constexpr int kGridLeft = 50;
constexpr int kGridTop = 620;
constexpr int kTempoScrollBase = 270;  // beats per minute = 270 - scroll value

// The metronome value under a press on the grid; nothing outside its 40 cells.
std::optional<int> GridValue(int x, int y) {
    if (x < 0 || y < 0) return std::nullopt;
    const int column = x / kGridCell;
    const int row = y / kGridCell;
    if (column >= kGridColumns || row >= kGridRows) return std::nullopt;
    return kGridValues[row][column];
}

bool ValidRing(int ring) { return ring >= 1 && ring <= kCellCount; }

}  // namespace

EditingPanel::EditingPanel(ArayüzKalıp& window) : QObject(&window), window_(window) {
    setObjectName(QStringLiteral("EditingPanel"));
    history_.Reset(window_.CurrentUsul().cells);
    WireMouseAndMenus();
    WireCommands();
    WireHistoryAndShortcuts();
}

EditingPanel* InstallEditingPanel(ArayüzKalıp& window) {
    if (auto* existing = window.findChild<EditingPanel*>(QString(), Qt::FindDirectChildrenOnly)) {
        return existing;
    }
    return new EditingPanel(window);
}

void EditingPanel::WireMouseAndMenus() {
    WindowControls& c = window_.Controls();
    connect(c.Picture1, &NotationView::pressed, this,
            [this](Qt::MouseButton button, int x, int y) { Picture1_MouseDown(button, x, y); });
    connect(c.Picture1, &NotationView::moved, this,
            [this](int x, int y) { Picture1_MouseMove(x, y); });
    for (int item = 0; item < kNoteMenuItems; ++item) {
        connect(c.Mn_editNota[static_cast<std::size_t>(item)], &QAction::triggered, this,
                [this, item] { Mn_editNota_Click(item); });
    }
    for (int item = 0; item < static_cast<int>(c.Mn_metin.size()); ++item) {
        connect(c.Mn_metin[static_cast<std::size_t>(item)], &QAction::triggered, this,
                [this, item] { Mn_metin_Click(item); });
    }
    c.Label5->installEventFilter(this);
    connect(c.Picture8, &PictureBox::pressed, this,
            [this](Qt::MouseButton button, int x, int y) { Picture8_MouseDown(button, x, y); });
}

void EditingPanel::Picture1_MouseDown(Qt::MouseButton button, int x, int y) {
    if (window_.CurrentSlot() == 0) {
        window_.ShowMessage(kNothingLoadedMessage);
        return;
    }
    const RingHit hit = HitTestPress(x, y);
    if (hit.kind == RingHit::None) return;
    SyncHistory();
    window_.SetSelectedRing(hit.ring);
    StrokeCell& cell = window_.CurrentUsul().Cell(hit.ring);
    if (hit.kind == RingHit::Gap) {
        ToggleSeparator(cell);
        Changed();
        return;
    }
    const bool left = button == Qt::LeftButton;
    // The menus open where the user pressed.
    const QPoint at = window_.Controls().Picture1->mapToGlobal(QPoint(x, y));
    switch (ZoneOfPress(y - hit.rowTop)) {
        case PressZone::UpperLine:
            if (left) {
                cell.loudness = static_cast<std::uint8_t>(StepLoudness(cell.loudness));
            } else {
                cell.rightDuration = static_cast<std::uint8_t>(StepDots(cell.rightDuration));
            }
            break;
        case PressZone::LowerLine:
            if (left) {
                cell.loudness = static_cast<std::uint8_t>(StepLoudness(cell.loudness));
            } else {
                cell.leftDuration = static_cast<std::uint8_t>(StepDots(cell.leftDuration));
            }
            break;
        case PressZone::Ring:
            // Modal: the chosen item's command runs (and redraws) before exec returns.
            (left ? window_.Controls().Mn_edit : window_.Controls().Mn_metinler)->exec(at);
            break;
        case PressZone::None:
            break;
    }
    Changed();
}

void EditingPanel::Mn_editNota_Click(int item) {
    const int ring = window_.SelectedRing();
    if (!ValidRing(ring)) return;
    SyncHistory();
    ApplyNoteMenuItem(window_.CurrentUsul().Cell(ring), item);
    Changed();
}

void EditingPanel::Mn_metin_Click(int item) {
    // A choice without a selected ring (the redraw cleared it) has no cell to act on.
    const int ring = window_.SelectedRing();
    if (!ValidRing(ring)) return;
    SyncHistory();
    ApplySyllable(window_.CurrentUsul().Cell(ring), item);
    Changed();
}

void EditingPanel::Picture1_MouseMove(int x, int y) {
    NotationView* view = window_.Controls().Picture1;
    QPainter painter(&view->Picture());
    painter.fillRect(QRect(0, 0, kHoverSquare, kHoverSquare), Qt::white);
    const int ring = HoverRing(x, y);
    if (ring != 0) {
        window_.SetSelectedRing(ring);
        painter.setFont(window_.NotationFont());
        painter.setPen(Qt::black);
        painter.drawText(QRect(kHoverTextAt, kHoverTextAt, 60, 30), Qt::AlignLeft | Qt::AlignTop,
                         QString::number(ring));
    }
    painter.end();
    view->update(QRect(0, 0, kHoverTextAt + 60, kHoverTextAt + 30));
}

void EditingPanel::Label5_Click() {
    WindowControls& c = window_.Controls();
    if (c.Option4->isChecked()) return;
    c.Picture8->move(kGridLeft, kGridTop);
    c.Picture8->show();
    c.Picture8->raise();
}

void EditingPanel::Picture8_MouseDown(Qt::MouseButton /*button*/, int x, int y) {
    const std::optional<int> value = GridValue(x, y);
    if (!value) return;
    WindowControls& c = window_.Controls();
    c.Picture8->hide();
    c.VScroll1->setValue(kTempoScrollBase - *value);
}

bool EditingPanel::eventFilter(QObject* watched, QEvent* event) {
    const WindowControls& c = window_.Controls();
    if (watched == c.Label5 && event->type() == QEvent::MouseButtonPress) {
        if (c.Label5->isEnabled()) Label5_Click();
        return false;
    }
    if (FilterListPress(watched, event)) return true;
    return QObject::eventFilter(watched, event);
}

}  // namespace ritmora
