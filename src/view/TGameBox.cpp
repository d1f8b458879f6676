#include "TGameBox.h"
#include "Common.h"
#include "Random.h"
#include "TGameAnyKeyboard.h"
#include "TGameComputer.h"
#include "TGameField.h"
#include "TGameGamepads.h"
#include "TGameKeyLayout.h"
#include "TGamePad.h"
#include "TGamePainterCanvas.h"
#include "TGamePlayerUnit.h"
#include "TGameRecorder.h"
#include "TGameReplayPlayer.h"
#include "TGameSound.h"
#include "TGameSpriteList.h"
#include "TGameTextCache.h"
#include "TGameTimer.h"
#include "TGameX11Keyboard.h"
#include "TReplayCheck.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <ctime>
#include <numbers>
#include <sstream>
#include <utility>

namespace {

constexpr std::uint32_t TickInterval = 100;
// The ring on the instructions screen is made of cakes.
constexpr int CakeSprite = 30;

// Lines break at LF alone, which translation files keep as plain text.
//: Seven lines, the second and fifth empty, each at most 320 pixels wide in the game's
//: bold 17-pixel Arial (some 34 characters).
const char* const InstructionsText =
    QT_TRANSLATE_NOOP("TGameBox", "Tolm Game - Instructions\n"
                                  "\n"
                                  "Get tolmkuchens and bring them\n"
                                  "back home. One point per one.\n"
                                  "\n"
                                  "It is game over when there is no\n"
                                  "way to go around the player.");

// The rules' words, listed here for lupdate to find. The rules keep them in
// English, as the replay tool's traces show them; the view puts them in the
// player's language as it draws (RuleWord).
[[maybe_unused]] constexpr std::array<const char*, 13> RuleWords = {
    //: The status line's messages and labels. The longest message and the scores with
    //: three digits each share its 336 pixels in bold 17-pixel Arial: keep the messages
    //: under some 180 pixels (about 20 characters), the labels to 2-4 characters.
    QT_TRANSLATE_NOOP("TGameField", "Started"),
    QT_TRANSLATE_NOOP("TGameField", "Got a Tolmkuchen"),
    QT_TRANSLATE_NOOP("TGameField", "Got a Stamp"),
    QT_TRANSLATE_NOOP("TGameField", "Got a Gelato"),
    QT_TRANSLATE_NOOP("TGameField", "Back Home"),
    QT_TRANSLATE_NOOP("TGameField", "Game Over"),
    QT_TRANSLATE_NOOP("TGameField", "Both are Stuck"),
    QT_TRANSLATE_NOOP("TGameField", "P1 is Stuck"),
    QT_TRANSLATE_NOOP("TGameField", "P2 is Stuck"),
    QT_TRANSLATE_NOOP("TGameField", "Sc:"),
    QT_TRANSLATE_NOOP("TGameField", "Hi:"),
    QT_TRANSLATE_NOOP("TGameField", "P1:"),
    QT_TRANSLATE_NOOP("TGameField", "P2:"),
};

std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line);
    return lines;
}

} // namespace

std::string TGameBox::RuleWord(const std::string& english)
{
    return QCoreApplication::translate("TGameField", english.c_str()).toStdString();
}

TGameBox::TGameBox(QWidget* parent) : QWidget(parent)
{
    Random::Seed(static_cast<std::uint32_t>(std::time(nullptr)));
    resize(Common::ViewRect.Width(), Common::ViewRect.Height());
    Timer = std::make_unique<TGameTimer>(Synchronizer, Clock, TickInterval,
                                         [this](TGameTimer&) { TimerTick(); });
    Field = std::make_unique<TGameField>(Common::FieldWidth, Common::FieldHeight);
    Field->Translate = RuleWord;
    for (std::size_t i = 0; i < Pads.size(); ++i) {
        Pads[i] = std::make_unique<TGamePad>();
        Pads[i]->SetKeys(Common::KeyTable[i]);
    }
    // SDL counts the users of its subsystems without a lock, and the sound's
    // share of them may be taken on a thread of its own: the controllers'
    // share is taken first, before the sound player can start any thread.
    // With none connected, one plugged in is looked for once a second.
    Gamepads = TGameGamepads::Open(static_cast<int>(1000 / TickInterval));
    SoundPlayer = std::make_unique<TGameSound>();
    SoundPlayer->Load(TGameSound::PathsIn(Common::SoundFolder()));
    Recorder = std::make_unique<TGameRecorder>(*SoundPlayer);
    Picture = QImage(width(), height(), QImage::Format_RGB32);
    Texts = std::make_unique<TGameTextCache>(TGamePainterCanvas::PictureFont());
    SetOptions(TGameBoxOptions());
    PhysicalKeys = TGameX11Keyboard::Open();
    // A key let go while another program had the keyboard sends us no
    // release; forgetting every key then lets the next poll release it. The
    // game's own menus and boxes keep the application active.
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                if (state == Qt::ApplicationActive)
                    return;
                Keys.Clear();
                PlayerAway();
            });
    qGuiApp->installEventFilter(this);
    Timer->Resume();
}

TGameBox::~TGameBox()
{
    // Stopping may serve one last tick, which still finds everything intact.
    try {
        Shutdown();
        Timer->Terminate();
        Timer->WaitFor();
    } catch (...) {
    }
    Picture = QImage();
    Texts.reset();
    Recorder.reset();
    SoundPlayer.reset();
    Gamepads.reset();
    Pads[0].reset();
    Pads[1].reset();
    Field.reset();
    Timer.reset();
}

void TGameBox::ShowInstructions()
{
    SetState(gbsInstructions);
}

void TGameBox::NewGame(int players)
{
    if (players == 1)
        SetState(gbsOnePlayer);
    else if (players == 2)
        SetState(gbsTwoPlayers);
}

void TGameBox::NewComputerGame(TGameLevel level)
{
    FOpponent = level;
    SetState(gbsAgainstComputer);
}

void TGameBox::Shutdown()
{
    SetState(gbsShutdown);
}

void TGameBox::KeyDown(int keyCode)
{
    Keys.Press(keyCode);
    Recorder->KeyEvent(keyCode, true);
    for (const auto& pad : PlayersPads())
        pad->KeyDown(keyCode);
    if (keyCode == Common::KeySpace || keyCode == Common::KeyEnter)
        NewGame(1);
    if (keyCode == Common::KeyP || keyCode == Common::KeyPause)
        TogglePause();
    if (FState == gbsReplay)
        ReplayKey(keyCode);
}

std::optional<std::string> TGameBox::Watch(const std::string& script)
{
    if (std::optional<std::string> problem = TReplayCheck::Problem(script))
        return problem;
    SetState(gbsReplay);
    Replay = std::make_unique<TGameReplayPlayer>(script);
    Replay->Field().Translate = RuleWord;
    ReplaySpeed = 1;
    return std::nullopt;
}

bool TGameBox::ReplayOver() const
{
    return Replay && Replay->Done();
}

void TGameBox::ReplayKey(int keyCode)
{
    if (keyCode == Common::KeyEscape)
        ShowInstructions();
    else if (keyCode == Common::KeyRight)
        ReplaySpeed = ReplaySpeed == 4 ? 1 : ReplaySpeed * 2;
}

void TGameBox::ReplayTick()
{
    for (int step = 0; step < ReplaySpeed && !FPaused && !Replay->Done(); ++step) {
        if (!Replay->Step())
            continue;
        for (const int id : Replay->Played())
            SoundPlayer->Play(id);
    }
    TGameField& field = Replay->Field();
    const std::uint64_t seconds = Replay->Ticks() * TickInterval / 1000;
    const std::string clock = std::to_string(seconds / 60) + (seconds % 60 < 10 ? ":0" : ":") +
                              std::to_string(seconds % 60);
    //: The status line's left part while a recorded game is watched, before its time (such
    //: as 1:05); about as short as "Paused".
    std::string left = " " + tr("Replay").toStdString() + " " + clock;
    if (FPaused)
        left = StatusLeftText();
    else if (Replay->Done())
        left = field.StatusLeftText(); // the message the game ended with
    const std::string right = field.StatusRightText();
    const std::string status = left + '\n' + right;
    if (field.Map.DirtyCount() > 0 || status != ShownStatus) {
        TGamePainterCanvas canvas(Picture, *Texts);
        field.Draw(canvas, Sprites());
        TGameField::DrawStatusLine(canvas, left, right);
        Unshown += canvas.Painted();
    }
    RestSound();
    ShowChanges(status);
}

void TGameBox::TogglePause()
{
    if (!Playing() && FState != gbsReplay)
        return;
    FPaused = !FPaused;
    RestSound();
    Changed();
}

void TGameBox::PlayerAway()
{
    if (!FPaused)
        TogglePause();
}

void TGameBox::KeyUp(int keyCode)
{
    Keys.Release(keyCode);
    Recorder->KeyEvent(keyCode, false);
    for (const auto& pad : PlayersPads())
        pad->KeyUp(keyCode);
}

void TGameBox::HandleKeyEvent(const QKeyEvent& event)
{
    const int keyCode = VirtualKey(event);
    if (keyCode == 0)
        return;
    const bool press = event.type() == QEvent::KeyPress;
    if (!event.isAutoRepeat())
        press ? KeyDown(keyCode) : KeyUp(keyCode);
    else if (press && (keyCode == Common::KeySpace || keyCode == Common::KeyEnter))
        NewGame(1);
}

int TGameBox::VirtualKey(const QKeyEvent& event) const
{
    // An event made up rather than typed has no place on a keyboard.
    const quint32 place = event.nativeScanCode();
    if (place == 0)
        return VirtualKey(event.key());
    if (PhysicalKeys)
        return PhysicalKeys->VirtualKey(place, event.nativeModifiers());
    // Wayland's keymap stays with Qt, which hands over what the key typed.
    return TGameKeyLayout::VirtualKey(event.nativeVirtualKey(), place);
}

int TGameBox::VirtualKey(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Left:
        return 0x25;
    case Qt::Key_Up:
        return 0x26;
    case Qt::Key_Right:
        return 0x27;
    case Qt::Key_Down:
        return 0x28;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return Common::KeyEnter;
    case Qt::Key_Pause:
        return Common::KeyPause;
    case Qt::Key_Escape:
        return Common::KeyEscape;
    default:
        // Qt's codes of Space, the digits and the letters are their ASCII
        // codes, which are also their virtual-key codes.
        const bool letterOrDigit = (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) ||
                                   (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z);
        return letterOrDigit || qtKey == Qt::Key_Space ? qtKey : 0;
    }
}

TGameBoxOptions TGameBox::GetOptions() const
{
    return {Field->HighScore, Field->Busy, SoundPlayer->Enabled};
}

void TGameBox::SetOptions(const TGameBoxOptions& options)
{
    if (options == GetOptions())
        return;
    Field->HighScore = options.HighScore;
    Field->Busy = options.BusyGame;
    SoundPlayer->Enabled = options.Sound;
    Recorder->Options(options.BusyGame, options.HighScore);
    Changed();
}

void TGameBox::SetImages(const TGameSpriteList* images)
{
    if (images == FImages)
        return;
    FImages = images;
    Changed();
}

void TGameBox::paintEvent(QPaintEvent* event)
{
    if (Picture.isNull())
        return;
    // Without smoothing the painter copies pixels, plainly at the picture's
    // own size and by nearest neighbour at any other, high-DPI screens
    // included. Each screen pixel takes the same picture pixel as in a whole
    // repaint. Clipped to one rectangle at a time: a clip of many would
    // have Qt hand the copy to its thread pool, waking two threads a tick.
    QPainter painter(this);
    for (const QRect& part : event->region()) {
        painter.setClipRect(part);
        painter.drawImage(rect(), Picture);
    }
}

bool TGameBox::eventFilter(QObject* watched, QEvent* event)
{
    // A key event reaches a window first, then its widgets: one release each.
    // The window is asked first, so that the events other threads post to
    // the game's other objects (the timer's wake-ups) are never read here.
    if (watched->isWindowType() && event->type() == QEvent::KeyRelease)
        HandleKeyEvent(static_cast<const QKeyEvent&>(*event));
    return QWidget::eventFilter(watched, event);
}

void TGameBox::SetState(TGameBoxState state)
{
    // Whatever comes next, the game before it ends here, as does a replay
    // watched: a game cut short is kept as far as it went, and steps no
    // more behind what comes next.
    EndRecording();
    Field->Over = true;
    Replay.reset();
    FState = state;
    if (std::exchange(FPaused, false))
        Changed();
    // A new game wakes the sound before its first effect.
    RestSound();
    if (state == gbsInstructions) {
        TGamePainterCanvas canvas(Picture, *Texts);
        DrawInstructions(canvas);
        Unshown = Picture.rect();
        ShownStatus.clear();
        return;
    }
    if (!Playing())
        return;
    if (state != gbsAgainstComputer)
        FOpponent.reset();
    Field->ComputerOpponent = FOpponent.has_value();
    const int players = state == gbsOnePlayer ? 1 : 2;
    // A key tapped for the game before steers no new one; the keys held
    // steer it at once.
    for (const auto& pad : Pads)
        pad->ClearPressed();
    Recorder->Begin(players, *Field, {Pads[0].get(), Pads[1].get()}, FOpponent.has_value());
    Field->Start(players);
    // Seeded from the game's state, never drawing from it: the game plays
    // out the same whatever the computer chooses at random.
    Computer =
        FOpponent ? std::make_unique<TGameComputer>(1, *FOpponent, Random::State()) : nullptr;
}

void TGameBox::TimerTick()
{
    if (FState == gbsReplay) {
        // A gamepad's Start starts a game here too, as in every state.
        if (Gamepads)
            HandleGamepadEvents(Gamepads->Update(HasFocus()));
        if (FState == gbsReplay)
            ReplayTick();
        return;
    }
    const TGameKeyboard& keyboard = PolledKeyboard();
    if (Gamepads)
        HandleGamepadEvents(Gamepads->Update(HasFocus()));
    const TGameAnyKeyboard sources{&keyboard, Gamepads.get()};
    // The computer looks at the field as it stands, before the pads are
    // read; paused, it holds what it held.
    if (Computer && !FPaused)
        Computer->Think(*Field);
    const TGameKeyboard& second = Computer ? *Computer : static_cast<const TGameKeyboard&>(sources);
    Recorder->Poll(sources, second);
    Pads[0]->PollKeys(sources);
    Pads[1]->PollKeys(second);
    // Paused, the pads still follow the keys held, so that they count at
    // once on resuming; keys pressed meanwhile are forgotten below.
    if (!FPaused)
        Field->Tick({Pads[0].get(), Pads[1].get()}, *Recorder);
    Recorder->Ticked(*Field, FPaused);
    // Outside a game most ticks change nothing, and drawing nothing new
    // would cost more than the tick itself.
    const std::string status = StatusTexts();
    if (Field->Map.DirtyCount() > 0 || status != ShownStatus) {
        TGamePainterCanvas canvas(Picture, *Texts);
        Field->Draw(canvas, Sprites());
        // The game's message stays the rules' own, and shows again on resuming.
        if (FPaused)
            TGameField::DrawStatusLine(canvas, StatusLeftText(), Field->StatusRightText());
        Unshown += canvas.Painted();
    }
    if (Field->Over && Playing()) {
        SetState(gbsGameOver);
        if (OnGameOver)
            OnGameOver(*this);
    }
    for (const auto& pad : Pads)
        pad->ClearPressed();
    RestSound();
    ShowChanges(status);
}

std::vector<int> TGameBox::GameScores() const
{
    std::vector<int> scores;
    for (const TGamePlayerUnit* player : Field->Players)
        scores.push_back(player->Score);
    return scores;
}

std::string TGameBox::StatusLeftText() const
{
    return FPaused ? " " + tr("Paused").toStdString() : Field->StatusLeftText();
}

std::string TGameBox::StatusTexts() const
{
    return StatusLeftText() + '\n' + Field->StatusRightText();
}

void TGameBox::EndRecording()
{
    if (!Recorder->Recording())
        return;
    FLastRecording = Recorder->Finish(*Field);
    // A game no one moved in, as a held Space restarts them, is no game.
    const bool moved =
        std::any_of(Field->Players.begin(), Field->Players.end(),
                    [](const TGamePlayerUnit* p) { return p->Dx != 0 || p->Dy != 0; });
    if (!Field->Over && moved && OnCutShort)
        OnCutShort(*this);
}

bool TGameBox::Playing() const
{
    return FState == gbsOnePlayer || FState == gbsTwoPlayers || FState == gbsAgainstComputer;
}

std::span<const std::unique_ptr<TGamePad>> TGameBox::PlayersPads() const
{
    return std::span(Pads).first(Computer ? 1 : Pads.size());
}

void TGameBox::RestSound()
{
    const bool running = Playing() || (FState == gbsReplay && !ReplayOver());
    SoundPlayer->SetIdle((!running || FPaused) && !SoundPlayer->Sounding());
}

void TGameBox::ShowChanges(const std::string& status)
{
    if (status == ShownStatus) {
        const TRect& strip = Common::StatusRect;
        Unshown -= QRect(strip.Left, strip.Top, strip.Width(), strip.Height());
    }
    ShownStatus = status;
    if (Unshown.isEmpty())
        return;
    // Stretched, a picture pixel covers parts of screen pixels: the rounding
    // goes outward, and a pixel more, so that no edge of a change is left.
    const double scaleX = static_cast<double>(width()) / Picture.width();
    const double scaleY = static_cast<double>(height()) / Picture.height();
    QRegion onScreen;
    for (const QRect& part : Unshown)
        onScreen += QRect(QPoint(static_cast<int>(std::floor(part.left() * scaleX)) - 1,
                                 static_cast<int>(std::floor(part.top() * scaleY)) - 1),
                          QPoint(static_cast<int>(std::ceil((part.right() + 1) * scaleX)),
                                 static_cast<int>(std::ceil((part.bottom() + 1) * scaleY))));
    Unshown = QRegion();
    repaint(onScreen);
}

const TGameKeyboard& TGameBox::PolledKeyboard()
{
    if (!PhysicalKeys)
        return Keys;
    PhysicalKeys->Update();
    return *PhysicalKeys;
}

bool TGameBox::HasFocus() const
{
    return PhysicalKeys ? PhysicalKeys->HasFocus()
                        : QGuiApplication::applicationState() == Qt::ApplicationActive;
}

void TGameBox::HandleGamepadEvents(const std::vector<TGameGamepadEvent>& events)
{
    for (const TGameGamepadEvent& event : events) {
        if (event.Kind == gekStart) {
            // Start pauses a running game; with none, it starts one. Behind a
            // box it does nothing, as Space and Enter typed into the box do
            // nothing to the game: a game would run there unseen.
            if (QApplication::activeModalWidget() != nullptr)
                continue;
            if (Playing())
                TogglePause();
            else
                NewGame(event.Value + 1);
            continue;
        }
        Recorder->KeyEvent(event.Value, event.Kind == gekKeyDown);
        for (const auto& pad : PlayersPads())
            event.Kind == gekKeyDown ? pad->KeyDown(event.Value) : pad->KeyUp(event.Value);
    }
}

void TGameBox::DrawInstructions(TGameCanvas& canvas)
{
    canvas.FillRect(Common::ViewRect, Common::BackgroundColor);
    constexpr int cakes = 6;
    constexpr double radius = 90;
    const int centreX = Common::ViewRect.Width() / 2;
    const int centreY = Common::ViewRect.Height() / 2;
    const int start = Random::DrawMod(360);
    for (int k = 0; k < cakes; ++k) {
        const double angle = (start + 360.0 / cakes * k) * std::numbers::pi / 180;
        const auto x = static_cast<int>(std::cos(angle) * radius + centreX);
        const auto y = static_cast<int>(std::sin(angle) * radius + centreY);
        constexpr int half = Common::CellSize / 2;
        canvas.DrawImage(Sprites(), Common::SpriteImage[CakeSprite], x - half, y - half);
    }

    const std::vector<std::string> lines = SplitLines(tr(InstructionsText).toStdString());
    TSize block;
    for (const std::string& line : lines) {
        const TSize extent = canvas.TextExtent(line);
        block.Width = std::max(block.Width, extent.Width);
        block.Height = std::max(block.Height, extent.Height);
    }
    const int x = (Common::ViewRect.Width() - block.Width) / 2;
    int y = (Common::ViewRect.Height() - static_cast<int>(lines.size()) * block.Height) / 2;
    for (const std::string& line : lines) {
        canvas.TextOut(x, y, line, Common::TextColor, std::nullopt);
        y += block.Height;
    }
}

void TGameBox::Changed()
{
    if (OnChange)
        OnChange(*this);
}

const TGameSpriteList& TGameBox::Sprites() const
{
    return FImages != nullptr ? *FImages : NoSprites;
}
