// Editing by mouse: presses and hovering on the notation picture, the note and syllable menus,
// and the metronome grid.
#include "app/editing_panel.h"

#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QRadioButton>
#include <QScrollBar>

#include "app/main_window.h"
#include "app/message_numbers.h"
#include "app/picture_box.h"
#include "notation/edit_rules.h"
#include "notation/note_values.h"
#include "notation/qt/notation_view.h"

namespace ritmora {
namespace {

constexpr int kHoverSquare = 31;  // (0, 0) to (30, 30), where the hovered ring's number stands
constexpr int kHoverTextAt = 10;
constexpr int kGridLeft = 50;
constexpr int kGridTop = 620;

bool ValidRing(int ring) { return ring >= 1 && ring <= kCellCount; }

// One cell edit as a model step.
template <typename CellEdit>
void EditCell(EditorModel& model, int ring, CellEdit edit) {
    model.Edit([ring, &edit](UsulRecord& usul) {
        edit(usul.Cell(ring));
        return TransformResult::Changed;
    });
}

}  // namespace

EditingPanel::EditingPanel(ArayüzKalıp& window, EditorModel& model)
    : QObject(&window), window_(window), model_(model) {
    WireMouseAndMenus();
    WireCommands();
    AddShortcuts();
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
    for (QLineEdit* box : {c.Text2, c.Text3, c.Text5}) box->installEventFilter(this);
    connect(c.Picture8, &PictureBox::pressed, this,
            [this](Qt::MouseButton button, int x, int y) { Picture8_MouseDown(button, x, y); });
}

void EditingPanel::Picture1_MouseDown(Qt::MouseButton button, int x, int y) {
    if (model_.CurrentSlot() == 0) {
        window_.ShowMessage(message::kLoadAnUsulFirst);
        return;
    }
    const RingHit hit = HitTestPress(x, y);
    if (hit.kind == RingHit::None) return;
    window_.SetSelectedRing(hit.ring);
    if (hit.kind == RingHit::Gap) {
        EditCell(model_, hit.ring, ToggleSeparator);
        return;
    }
    const bool left = button == Qt::LeftButton;
    const auto stepLoudness = [](StrokeCell& cell) {
        cell.loudness = static_cast<std::uint8_t>(StepLoudness(cell.loudness));
    };
    switch (ZoneOfPress(y - hit.rowTop)) {
        case PressZone::UpperLine:
            if (left) {
                EditCell(model_, hit.ring, stepLoudness);
            } else {
                EditCell(model_, hit.ring, [](StrokeCell& cell) {
                    cell.rightDuration = static_cast<std::uint8_t>(StepDots(cell.rightDuration));
                });
            }
            return;
        case PressZone::LowerLine:
            if (left) {
                EditCell(model_, hit.ring, stepLoudness);
            } else {
                EditCell(model_, hit.ring, [](StrokeCell& cell) {
                    cell.leftDuration = static_cast<std::uint8_t>(StepDots(cell.leftDuration));
                });
            }
            return;
        case PressZone::Ring: {
            // Modal, opening where the user pressed: the chosen item's command runs (and
            // redraws) before exec returns.
            const QPoint at = window_.Controls().Picture1->mapToGlobal(QPoint(x, y));
            (left ? window_.Controls().Mn_edit : window_.Controls().Mn_metinler)->exec(at);
            break;
        }
        case PressZone::None:
            break;
    }
    window_.göster();  // whatever was chosen, the press ends with a redraw
}

void EditingPanel::Mn_editNota_Click(int item) {
    const int ring = window_.SelectedRing();
    if (!ValidRing(ring)) return;
    EditCell(model_, ring, [item](StrokeCell& cell) { ApplyNoteMenuItem(cell, item); });
}

void EditingPanel::Mn_metin_Click(int item) {
    // A choice without a selected ring (the redraw cleared it) has no cell to act on.
    const int ring = window_.SelectedRing();
    if (!ValidRing(ring)) return;
    EditCell(model_, ring, [item](StrokeCell& cell) { ApplySyllable(cell, item); });
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
    if (window_.InPlanMode()) return;
    c.Picture8->move(kGridLeft, kGridTop);
    c.Picture8->show();
    c.Picture8->raise();
}

void EditingPanel::Picture8_MouseDown(Qt::MouseButton /*button*/, int x, int y) {
    const std::optional<int> value = MetronomeGridValueAt(x, y);
    if (!value) return;
    WindowControls& c = window_.Controls();
    c.Picture8->hide();
    c.VScroll1->setValue(TempoScrollOfBpm(*value));
}

bool EditingPanel::eventFilter(QObject* watched, QEvent* event) {
    const WindowControls& c = window_.Controls();
    if (watched == c.Label5 && event->type() == QEvent::MouseButtonPress) {
        if (c.Label5->isEnabled()) Label5_Click();
        return false;
    }
    if (event->type() == QEvent::ShortcutOverride && !BoxKeepsShortcut(watched, event)) {
        event->ignore();  // not taken by the box: the window's shortcut gets the keys
        return true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace ritmora
