#include "gif_writer.h"

#include "core/error/vornik_error.h"

#include <QHash>
#include <QString>

#include <gif_lib.h>

#include <array>
#include <limits>
#include <utility>
#include <vector>

namespace {

constexpr int kTransparentIndex = 0;
constexpr int kMaxColours = 256;

int appendBytes(GifFileType *gif, const GifByteType *data, int length)
{
    static_cast<QByteArray *>(gif->UserData)->append(reinterpret_cast<const char *>(data), length);
    return length;
}

[[noreturn]] void fail(int error)
{
    throw vornik::VornikError(
        QStringLiteral("Не удалось составить анимацию GIF: %1").arg(QString::fromLatin1(GifErrorString(error))));
}

// Closes the encoder on every path; a failed close is an error only when nothing failed before.
class Encoder {
public:
    explicit Encoder(QByteArray *target)
    {
        int error = 0;
        m_gif = EGifOpen(target, appendBytes, &error);
        if (!m_gif)
            fail(error);
    }
    ~Encoder()
    {
        if (m_gif)
            EGifCloseFile(m_gif, nullptr);
    }
    Encoder(const Encoder &) = delete;
    Encoder &operator=(const Encoder &) = delete;

    GifFileType *get() const { return m_gif; }
    void check(int result) const
    {
        if (result == GIF_ERROR)
            fail(m_gif->Error);
    }
    void close()
    {
        int error = 0;
        GifFileType *gif = std::exchange(m_gif, nullptr);
        if (EGifCloseFile(gif, &error) == GIF_ERROR)
            fail(error);
    }

private:
    GifFileType *m_gif = nullptr;
};

int paddedColourCount(int used)
{
    int count = 2;
    while (count < used)
        count *= 2;
    return count;
}

class Quantiser {
public:
    explicit Quantiser(const QList<QColor> &palette)
        : m_palette(palette)
    {
    }

    GifPixelType index(QRgb pixel)
    {
        if (qAlpha(pixel) < 128)
            return kTransparentIndex;
        const QRgb opaque = pixel | 0xFF000000u;
        const auto known = m_cache.constFind(opaque);
        if (known != m_cache.cend())
            return *known;
        int best = 0;
        int bestDistance = std::numeric_limits<int>::max();
        for (int i = 0; i < m_palette.size(); ++i) {
            const int dr = qRed(opaque) - m_palette[i].red();
            const int dg = qGreen(opaque) - m_palette[i].green();
            const int db = qBlue(opaque) - m_palette[i].blue();
            const int distance = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
            if (distance < bestDistance) {
                bestDistance = distance;
                best = i;
            }
        }
        const auto result = static_cast<GifPixelType>(best + 1);
        m_cache.insert(opaque, result);
        return result;
    }

private:
    const QList<QColor> &m_palette;
    QHash<QRgb, GifPixelType> m_cache;
};

void putLoopForever(const Encoder &gif)
{
    static const char kApplication[] = "NETSCAPE2.0";
    const std::array<GifByteType, 3> loop = {1, 0, 0};   // sub-block 1, repeat count 0: forever
    gif.check(EGifPutExtensionLeader(gif.get(), APPLICATION_EXT_FUNC_CODE));
    gif.check(EGifPutExtensionBlock(gif.get(), 11, kApplication));
    gif.check(EGifPutExtensionBlock(gif.get(), static_cast<int>(loop.size()), loop.data()));
    gif.check(EGifPutExtensionTrailer(gif.get()));
}

void putFrame(const Encoder &gif, const QImage &frame, Quantiser &quantiser, int delay)
{
    GraphicsControlBlock control{};
    control.DisposalMode = DISPOSE_BACKGROUND;
    control.UserInputFlag = false;
    control.DelayTime = delay;
    control.TransparentColor = kTransparentIndex;
    std::array<GifByteType, 4> extension{};
    EGifGCBToExtension(&control, extension.data());
    gif.check(EGifPutExtension(gif.get(), GRAPHICS_EXT_FUNC_CODE, static_cast<int>(extension.size()),
                               extension.data()));
    gif.check(EGifPutImageDesc(gif.get(), 0, 0, frame.width(), frame.height(), false, nullptr));
    const QImage argb = frame.convertToFormat(QImage::Format_ARGB32);
    std::vector<GifPixelType> line(argb.width());
    for (int y = 0; y < argb.height(); ++y) {
        const auto *pixels = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x)
            line[x] = quantiser.index(pixels[x]);
        gif.check(EGifPutLine(gif.get(), line.data(), argb.width()));
    }
}

} // namespace

QByteArray EncodeAnimatedGif(const QList<QImage> &frames, const QList<QColor> &palette, int delayCentiseconds)
{
    Q_ASSERT(!frames.isEmpty() && palette.size() < kMaxColours);
    std::vector<GifColorType> colours(paddedColourCount(palette.size() + 1), GifColorType{0, 0, 0});
    for (int i = 0; i < palette.size(); ++i) {
        colours[i + 1] = {static_cast<GifByteType>(palette[i].red()), static_cast<GifByteType>(palette[i].green()),
                          static_cast<GifByteType>(palette[i].blue())};
    }
    ColorMapObject *map = GifMakeMapObject(static_cast<int>(colours.size()), colours.data());
    if (!map)
        fail(E_GIF_ERR_NOT_ENOUGH_MEM);

    QByteArray bytes;
    Encoder gif(&bytes);
    EGifSetGifVersion(gif.get(), true);
    const int screen = EGifPutScreenDesc(gif.get(), frames.first().width(), frames.first().height(),
                                         GifBitSize(static_cast<int>(colours.size())), kTransparentIndex, map);
    GifFreeMapObject(map);
    gif.check(screen);
    putLoopForever(gif);
    Quantiser quantiser(palette);
    for (const QImage &frame : frames)
        putFrame(gif, frame, quantiser, delayCentiseconds);
    gif.close();
    return bytes;
}
