#include "app/MDI.h"

#include "app/Cascade.h"
#include "app/ColourSettings.h"
#include "ui/Colours.h"
#include "ui/Text.h"
#include "ui/ToolIcons.h"
#include "ui/Twips.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

namespace zorvane::app {
namespace {

// Hidden labels of the original layout gave these sizes as texts.
constexpr int kLblWidth = 15660;
constexpr int kLblHeight = 11595;
constexpr int kToolBarHeight = 700;
constexpr int kButtonSide = 570;
constexpr int kFocLeft = 1500;
// The frame a window manager puts around the window (title bar on top) before the window is
// shown and its real frame known: generous, so that the frame fits where this one does.
constexpr QMargins kFrameGuess(6, 36, 6, 6);

QColor ColourOf(const std::string& text, std::string_view fallback) {
    return ui::ToQColor(ColourNumber(text).value_or(*ColourNumber(fallback)));
}

ui::ToolIcon IconOf(Tool tool) {
    switch (tool) {
    case Tool::Dico:
        return ui::ToolIcon::Dictionary;
    case Tool::Scrabble:
        return ui::ToolIcon::Scrabble;
    case Tool::Ana:
        return ui::ToolIcon::Anagrams;
    case Tool::Syno:
        return ui::ToolIcon::Synonyms;
    case Tool::MotCroix:
        return ui::ToolIcon::Crossword;
    case Tool::Approchant:
        return ui::ToolIcon::NearWords;
    case Tool::CodPos:
        return ui::ToolIcon::Communes;
    case Tool::Options:
        return ui::ToolIcon::Options;
    case Tool::About:
        break;
    }
    return ui::ToolIcon::About;
}

QToolButton* MakeButton(QWidget* bar, const char* name, const QString& tip, ui::ToolIcon icon) {
    auto* button = new QToolButton(bar);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(tip);
    button->setIcon(ui::DrawToolIcon(icon));
    const int side = ui::TwipsToPixels(kButtonSide, bar);
    button->setFixedSize(side, side);
    button->setIconSize(QSize(side - 8, side - 8));
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus); // the focus stays on Foc: no focus mark on buttons
    return button;
}

// The inner place of a window that wants `wanted`, framed by `frame`, centred in `area` and
// made smaller where needed, so that the frame, title bar included, lies inside the area.
QRect InnerPlace(const QSize& wanted, const QMargins& frame, const QRect& area) {
    const QSize room = area.size().shrunkBy(frame);
    const QSize inner = wanted.boundedTo(room);
    const QPoint corner =
        area.topLeft() + QPoint((room.width() - inner.width()) / 2 + frame.left(),
                                (room.height() - inner.height()) / 2 + frame.top());
    return {corner, inner};
}

// The frame the window has once shown, or the guess before.
QMargins FrameOf(const QWidget* window) {
    const QRect outer = window->frameGeometry();
    const QRect inner = window->geometry();
    const QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(),
                         outer.right() - inner.right(), outer.bottom() - inner.bottom());
    return frame.isNull() ? kFrameGuess : frame;
}

} // namespace

MDI::MDI(ui::Platform& platform, data::StartupValues& values, ToolFactory makeTool)
    : Area(new QMdiArea), PicCmd(new QWidget), Foc(new QLineEdit), CmdQ(nullptr),
      platform_(platform), values_(values), makeTool_(std::move(makeTool)),
      TimDem(platform.timers.Create(QStringLiteral("TimDem"))) {
    setObjectName(QStringLiteral("MDI"));
    setWindowTitle(QStringLiteral("Zorvane"));
    auto* frame = new QWidget;
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(PicCmd);
    layout->addWidget(Area, 1);
    setCentralWidget(frame);
    BuildToolBar();
    TimDem->OnTick = [this] {
        TimDem->Stop();
        Foc->setFocus();
        KeepOnScreen();
    };
}

void MDI::BuildToolBar() {
    PicCmd->setObjectName(QStringLiteral("PicCmd"));
    PicCmd->setAutoFillBackground(true);
    PicCmd->setFixedHeight(ui::TwipsToPixels(kToolBarHeight, this));
    auto* row = new QHBoxLayout(PicCmd);
    row->setContentsMargins(6, 2, 6, 2);
    row->setSpacing(4);
    for (const ToolButton& entry : ToolButtons()) {
        if (entry.tool == Tool::Options) {
            row->addStretch(1);
        }
        QToolButton* button = MakeButton(PicCmd, entry.name, entry.toolTip, IconOf(entry.tool));
        button->setShortcut(entry.shortcut);
        connect(button, &QToolButton::clicked, this, [this, tool = entry.tool] { OpenTool(tool); });
        ToolButtonOf[entry.tool] = button;
        row->addWidget(button);
    }
    CmdQ = MakeButton(PicCmd, "CmdQ", QStringLiteral("Quitter le programme"), ui::ToolIcon::Quit);
    CmdQ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(CmdQ, &QToolButton::clicked, this, &MDI::CmdQClick);
    row->addWidget(CmdQ);

    // Foc only takes the keyboard focus; it is a sliver the user never sees.
    Foc->setObjectName(QStringLiteral("Foc"));
    Foc->setParent(PicCmd);
    Foc->setFrame(false);
    Foc->setReadOnly(true);
    Foc->setFixedSize(1, 1);
    Foc->setStyleSheet(QStringLiteral("background: transparent; border: none;"));
}

void MDI::Load() {
    ApplyColours();
    const QSize wanted = ui::TwipsSize(kLblWidth, kLblHeight, this);
    resize(wanted);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        // Centred with its frame; on a smaller screen (1366 x 768) it opens maximised, and
        // restored it keeps the smaller place, title bar inside the screen.
        const QRect place = InnerPlace(wanted, kFrameGuess, area);
        setGeometry(place);
        if (place.size() != wanted) {
            setWindowState(Qt::WindowMaximized);
        }
    }
    Foc->move(ui::TwipsToPixels(kFocLeft, this), 0);
    TimDem->Start(100);
}

void MDI::KeepOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr || isMaximized() || isMinimized() || isFullScreen()) {
        return;
    }
    const QRect area = screen->availableGeometry();
    if (!area.contains(frameGeometry())) {
        setGeometry(InnerPlace(size(), FrameOf(this), area));
    }
}

void MDI::ApplyColours() {
    Area->setBackground(ColourOf(values_.CouleurFenetre, kDefaultCouleurMDI));
    QPalette bar = PicCmd->palette();
    bar.setColor(QPalette::Window, ColourOf(values_.CouleurBarre, kDefaultCouleurBar));
    PicCmd->setPalette(bar);
}

void MDI::OpenTool(Tool tool) {
    QPointer<QWidget>& form = forms_[tool];
    auto* sub = form != nullptr ? qobject_cast<QMdiSubWindow*>(form->parentWidget()) : nullptr;
    // A minimised child window is still visible, as its title bar; its form is not.
    if (form != nullptr && (sub != nullptr ? sub->isVisible() : form->isVisible())) {
        if (sub != nullptr) {
            if (sub->isMinimized()) {
                sub->showNormal();
            }
            Area->setActiveSubWindow(sub);
            sub->raise();
        } else {
            form->raise();
            form->activateWindow();
        }
        return;
    }
    if (form == nullptr) {
        form = makeTool_(tool);
        if (!IsChildWindow(tool)) {
            if (form->parentWidget() != this) {
                form->setParent(this, Qt::Window);
            }
            form->setAttribute(Qt::WA_DeleteOnClose);
            form->show();
            return;
        }
        sub = Area->addSubWindow(form, Qt::SubWindow | Qt::WindowTitleHint |
                                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                                           Qt::WindowCloseButtonHint);
        sub->setAttribute(Qt::WA_DeleteOnClose);
        sub->setWindowTitle(form->windowTitle());
        sub->setWindowIcon(ui::DrawToolIcon(IconOf(tool)));
        sub->adjustSize();
        posCascade_ = PasCascade(posCascade_);
        sub->move(CascadePlace(sub->size()));
    }
    form->parentWidget()->show();
    form->show();
    Area->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(form->parentWidget()));
}

// The cascade place, moved back up and left as far as needed for the whole window to lie
// in the client area (never past its top-left corner).
QPoint MDI::CascadePlace(const QSize& window) const {
    const int place = ui::TwipsToPixels(posCascade_, this);
    const QSize room = Area->viewport()->size() - window;
    return {std::max(0, std::min(place, room.width())),
            std::max(0, std::min(place, room.height()))};
}

QWidget* MDI::ToolForm(Tool tool) const {
    const auto found = forms_.find(tool);
    return found == forms_.end() ? nullptr : found->second.data();
}

bool MDI::AskQuit() {
    values_.Reponse = static_cast<std::int16_t>(
        platform_.boxes.Show(QStringLiteral("               Quitter le programme ?"),
                             ui::ToQt(values_.TitreAppli), ui::Buttons::YesNo, ui::Icon::None));
    return values_.Reponse != ui::kAnswerNo;
}

void MDI::CmdQClick() {
    // Yes ends at once: the tool windows are not asked to close, so nothing of theirs runs.
    if (AskQuit()) {
        platform_.end.EndProgram(0);
    }
}

void MDI::closeEvent(QCloseEvent* event) {
    // As on the desktop, the child windows close (and run their closing code) first.
    Area->closeAllSubWindows();
    if (!AskQuit()) {
        event->ignore();
        return;
    }
    event->accept();
    platform_.end.EndProgram(0);
}

} // namespace zorvane::app
