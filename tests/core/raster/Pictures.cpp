#include "Pictures.h"

namespace orvane::test {

Bitmap Picture(const std::vector<std::string>& rows)
{
    const int height = int(rows.size());
    const int width = rows.empty() ? 0 : int(rows[0].size());
    Bitmap bitmap(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            bitmap.SetColorAt(x, y, Color(static_cast<unsigned char>(rows[std::size_t(y)][std::size_t(x)])));
    return bitmap;
}

std::vector<std::string> Rows(const Bitmap& bitmap)
{
    std::vector<std::string> rows;
    for (int y = 0; y < bitmap.Height(); ++y) {
        std::string row;
        for (int x = 0; x < bitmap.Width(); ++x) {
            const Color color = bitmap.ColorAt(x, y);
            row += color >= 0x20 && color < 0x7F ? char(color) : '?';
        }
        rows.push_back(row);
    }
    return rows;
}

} // namespace orvane::test
