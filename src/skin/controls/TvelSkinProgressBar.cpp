#include "skin/controls/TvelSkinProgressBar.h"

#include "core/raster/ThreePartDraw.h"
#include "core/skinmodel/SkinKeys.h"
#include "core/skinmodel/TvelSkinProgressBarRes.h"
#include "framework/TBitmap.h"
#include "framework/TProgressBar.h"
#include "skin/look/TSkinLook.h"

#include <commctrl.h>

namespace orvane::skin {

using namespace framework;

namespace {

constexpr int PieceCap = 2;

} // namespace

bool TvelSkinProgressBar::BeforeMessage(TMessage& message)
{
    return !AnswerOwnPaintMessages(message);
}

void TvelSkinProgressBar::AfterMessage(TMessage& message)
{
    TvelSkinControlFramework::AfterMessage(message);
    if (message.Msg == PBM_SETPOS)
        Repaint();
}

void TvelSkinProgressBar::Paint()
{
    HWND window = GetHandle();
    const RECT client = GetBounds();
    const int width = client.right, height = client.bottom;
    if (!window || width <= 0 || height <= 0)
        return;
    const TSkinLook& look = Look();
    const TvelSkinProgressBarRes& pieces = look.ProgressBarImages();
    const int minimum = int(SendMessageW(window, PBM_GETRANGE, TRUE, 0));
    const int maximum = int(SendMessageW(window, PBM_GETRANGE, FALSE, 0));
    const int position = int(SendMessageW(window, PBM_GETPOS, 0, 0));
    const bool vertical = (GetWindowLongW(window, GWL_STYLE) & PBS_VERTICAL) != 0;

    TBitmap image(width, height);
    {
        Canvas canvas(image.CoreBitmap());
        canvas.FillRect(Rect{0, 0, width, height}, look.GetSkinColor(SKIN2_FORMCOLOR));
        const int first = pieces.FirstWidth(), last = pieces.LastWidth();
        const int track = (vertical ? height : width) - first - last;
        const long long done = minimum < maximum ? (long long)(position - minimum) * track / (maximum - minimum) : 0;
        const int filled = int(done < 0 ? 0 : done > track ? track : done);
        const auto piece = [&](int index, const Rect& area) {
            Bitmap copy = vertical ? pieces.VertBars(index) : pieces.Bars(index);
            if (copy.Empty() || area.Empty())
                return;
            if (vertical)
                DrawThreePartHCap(copy, canvas, area, PieceCap);
            else
                DrawThreePartV(copy, canvas, area, PieceCap);
        };
        if (!vertical) {
            piece(1, Rect{0, 0, first, height});
            piece(2, Rect{first, 0, first + filled, height});
            piece(3, Rect{first + filled, 0, width - last, height});
            piece(4, Rect{width - last, 0, width, height});
        } else {
            const int trackBottom = height - first;
            piece(1, Rect{0, trackBottom, width, height});
            piece(2, Rect{0, trackBottom - filled, width, trackBottom});
            piece(3, Rect{0, last, width, trackBottom - filled});
            piece(4, Rect{0, 0, width, last});
        }
    }
    DrawImageAt(image, POINT{0, 0});
}

} // namespace orvane::skin
