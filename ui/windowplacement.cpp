// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowplacement.h"

#include <QElapsedTimer>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace kellvar {

namespace {

// How long a window manager may take to frame the shown window.
constexpr qint64 FrameWaitMilliseconds = 2'000;

}  // namespace

TWindowPlacement::TWindowPlacement(QWidget& window, std::string frameFile)
    : QObject(&window), window_(window), frameFile_(std::move(frameFile))
{
    if (!frameFile_.empty())
        remembered_ = ReadFrameEdges(frameFile_);
}

TWindowBounds TWindowPlacement::OnScreen(const TWindowBounds& bounds) const
{
    const QRect screenArea = window_.screen()->availableGeometry();
    const int caption = window_.style()->pixelMetric(QStyle::PM_TitleBarHeight);
    return CorrectWindowBounds(bounds, {screenArea.width(), screenArea.height() - caption, caption});
}

QMargins TWindowPlacement::Frame() const
{
    const QRect frame = window_.frameGeometry();
    const QRect client = window_.geometry();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
}

QMargins TWindowPlacement::ExpectedFrame() const
{
    if (!remembered_)
        return {};
    return {remembered_->Left, remembered_->Top, remembered_->Right, remembered_->Bottom};
}

void TWindowPlacement::PlaceBeforeMapping(const TWindowBounds& bounds)
{
    // A window manager puts the frame, not the client area, where the program
    // asks only for a window made with a position that counts its frame, as
    // a position given before the window is made does. The size is always
    // the client area's.
    const QMargins frame = ExpectedFrame();
    window_.move(bounds.Left, bounds.Top);
    window_.resize(std::max(1, bounds.Width - frame.left() - frame.right()),
                   std::max(1, bounds.Height - frame.top() - frame.bottom()));
}

void TWindowPlacement::Apply(const TWindowBounds& bounds)
{
    bounds_ = bounds;
    boundsGiven_ = true;
    const QMargins frame = Frame();
    // An unframed window keeps its place (where the frame will stand) and
    // takes the size it keeps within the frame it most likely gets.
    const QMargins size = frame.isNull() ? ExpectedFrame() : frame;
    window_.setGeometry(bounds.Left + frame.left(), bounds.Top + frame.top(),
                        std::max(1, bounds.Width - size.left() - size.right()),
                        std::max(1, bounds.Height - size.top() - size.bottom()));
    if (frame.isNull())
        WaitForFrame();
}

void TWindowPlacement::Correct(bool useStoredBounds)
{
    const QRect frame = window_.frameGeometry();
    const TWindowBounds current =
        useStoredBounds ? bounds_ : TWindowBounds{frame.x(), frame.y(), frame.width(), frame.height()};
    const TWindowBounds bounds = OnScreen(current);
    // A window placed by the window system keeps the layout's client size
    // unless a rule changes it; restored bounds are the outer rectangle.
    if (useStoredBounds || !(bounds == current))
        Apply(bounds);
    else if (Frame().isNull())
        WaitForFrame();
}

void TWindowPlacement::WaitForFrame()
{
    if (waitingForFrame_)
        return;
    waitingForFrame_ = true;
    auto* poll = new QTimer(this);
    auto* waited = new QElapsedTimer;
    waited->start();
    connect(poll, &QTimer::timeout, this, [this, poll, waited] {
        const bool framed = !Frame().isNull();
        if (framed || waited->elapsed() > FrameWaitMilliseconds) {
            poll->stop();
            poll->deleteLater();
            delete waited;
            if (framed)
                FrameAppeared();
        }
    });
    poll->start(20);
}

void TWindowPlacement::FrameAppeared()
{
    const QMargins frame = Frame();
    const TFrameEdges edges{frame.left(), frame.top(), frame.right(), frame.bottom()};
    // Only a frame that differs from the one remembered is written: the file
    // is a guess for the next start, and the window works without it.
    if (!frameFile_.empty() && remembered_ != edges && WriteFrameEdges(frameFile_, edges))
        remembered_ = edges;
    if (boundsGiven_)
        Apply(bounds_);
}

}  // namespace kellvar
