#include "platform/RasterImage.h"

#include "platform/WholePixels.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <thread>
#include <vector>

#include <sys/mman.h>

namespace platform::raster {

namespace {

// Freed buffers wait here for the next image of the same size or smaller. A handful cover a batch
// on every core; the byte cap keeps one huge symbol from pinning its memory.
struct Pool {
    std::mutex mutex;
    struct Free {
        void *data;
        size_t size;
        std::thread::id owner;   // the thread that gave it back
    };
    std::vector<Free> free;
    size_t freeBytes = 0;
    static constexpr size_t kMaxBuffers = 32;
    static constexpr size_t kMaxBytes = 48u * 1024u * 1024u;
};

Pool &pool()
{
    static Pool *p = new Pool;   // never destroyed: images may be released during exit
    return *p;
}

struct Buffer {
    void *data;
    size_t size;
};

// A buffer of a megabyte or more is mapped from the system and given back to it whole: such
// buffers made and dropped on many threads through a long job would otherwise grow the heaps they
// came from.
constexpr size_t kMapped = 1u << 20;

void *allocate(size_t size)
{
    if (size < kMapped)
        return std::malloc(size);
    void *data = ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    return data == MAP_FAILED ? nullptr : data;
}

void release(void *data, size_t size)
{
    if (size < kMapped)
        std::free(data);
    else if (data)
        ::munmap(data, size);
}

void giveBack(void *info)
{
    auto *buffer = static_cast<Buffer *>(info);
    Pool &p = pool();
    {
        std::lock_guard<std::mutex> lock(p.mutex);
        if (p.free.size() < Pool::kMaxBuffers && p.freeBytes + buffer->size <= Pool::kMaxBytes) {
            p.free.push_back({buffer->data, buffer->size, std::this_thread::get_id()});
            p.freeBytes += buffer->size;
            buffer->data = nullptr;
        }
    }
    release(buffer->data, buffer->size);
    delete buffer;
}

Buffer *takeBuffer(size_t size)
{
    Pool &p = pool();
    {
        std::lock_guard<std::mutex> lock(p.mutex);
        // The smallest free buffer that is large enough, but not one far too large for the need;
        // of those, one this thread gave back (its memory is nearer this thread's core).
        const std::thread::id self = std::this_thread::get_id();
        auto best = p.free.end();
        for (auto it = p.free.begin(); it != p.free.end(); ++it) {
            if (it->size < size || it->size > size * 2 + 65536)
                continue;
            if (best == p.free.end() || it->size < best->size || (it->size == best->size && it->owner == self))
                best = it;
        }
        if (best != p.free.end()) {
            auto *b = new Buffer{best->data, best->size};
            p.freeBytes -= best->size;
            p.free.erase(best);
            return b;
        }
    }
    void *data = allocate(size);
    if (!data)
        return nullptr;
    return new Buffer{data, size};
}

int bitsPerPixel(QImage::Format format)
{
    switch (format) {
    case QImage::Format_Mono:
        return 1;
    case QImage::Format_Indexed8:
    case QImage::Format_Grayscale8:
        return 8;
    default:
        return 32;
    }
}

} // namespace

bool writable(QImage::Format format)
{
    return format == QImage::Format_Mono || format == QImage::Format_Indexed8 || format == QImage::Format_Grayscale8
           || format == QImage::Format_ARGB32_Premultiplied || format == QImage::Format_RGB32;
}

QImage pooledImage(const QSize &size, QImage::Format format)
{
    if (size.isEmpty() || !rasterFits(size) || !writable(format))
        return {};
    // Lines padded to 4 bytes, as QImage lays them out itself.
    const qsizetype bytesPerLine = ((qsizetype(size.width()) * bitsPerPixel(format) + 31) / 32) * 4;
    const size_t bytes = size_t(bytesPerLine) * size_t(size.height());
    Buffer *buffer = takeBuffer(bytes);
    if (!buffer)
        return {};
    QImage image(static_cast<uchar *>(buffer->data), size.width(), size.height(), bytesPerLine, format, giveBack, buffer);
    if (image.isNull()) {
        giveBack(buffer);
        return {};
    }
    return image;
}

void fillLine(uchar *line, QImage::Format format, int x0, int x1, uint value)
{
    if (x1 <= x0)
        return;
    switch (format) {
    case QImage::Format_Mono: {
        // Bit 7 of the first byte is the first pixel.
        const int first = x0 >> 3;
        const int last = (x1 - 1) >> 3;
        const uchar head = uchar(0xFF >> (x0 & 7));
        const uchar tail = uchar(0xFF << (7 - ((x1 - 1) & 7)));
        auto set = [value](uchar &byte, uchar mask) { byte = value ? uchar(byte | mask) : uchar(byte & ~mask); };
        if (first == last) {
            set(line[first], uchar(head & tail));
            return;
        }
        set(line[first], head);
        if (last - first > 1)
            std::memset(line + first + 1, value ? 0xFF : 0x00, size_t(last - first - 1));
        set(line[last], tail);
        return;
    }
    case QImage::Format_Indexed8:
    case QImage::Format_Grayscale8:
        std::memset(line + x0, int(value & 0xFF), size_t(x1 - x0));
        return;
    default: {
        auto *p = reinterpret_cast<quint32 *>(line);
        std::fill(p + x0, p + x1, quint32(value));
        return;
    }
    }
}

void fillRect(QImage &image, const QRect &rect, uint value)
{
    const QRect r = rect.intersected(image.rect());
    if (r.isEmpty())
        return;
    const QImage::Format format = image.format();
    const qsizetype stride = image.bytesPerLine();
    uchar *first = image.bits() + stride * r.top();
    fillLine(first, format, r.left(), r.right() + 1, value);
    // The other lines copy the first one's span.
    const int bpp = bitsPerPixel(format);
    const size_t whole = (size_t(image.width()) * size_t(bpp) + 7) / 8;
    if (r.left() == 0 && r.width() == image.width()) {
        for (int y = 1; y < r.height(); ++y)
            std::memcpy(first + stride * y, first, whole);
        return;
    }
    for (int y = 1; y < r.height(); ++y)
        copyLine(first + stride * y, first, format, r.left(), r.right() + 1);
}

void copyLine(uchar *to, const uchar *from, QImage::Format format, int x0, int x1)
{
    if (x1 <= x0)
        return;
    const int bpp = bitsPerPixel(format);
    if (bpp >= 8) {
        std::memcpy(to + size_t(x0) * size_t(bpp / 8), from + size_t(x0) * size_t(bpp / 8), size_t(x1 - x0) * size_t(bpp / 8));
        return;
    }
    const int first = x0 >> 3;
    const int last = (x1 - 1) >> 3;
    const uchar head = uchar(0xFF >> (x0 & 7));
    const uchar tail = uchar(0xFF << (7 - ((x1 - 1) & 7)));
    auto merge = [&](int i, uchar mask) { to[i] = uchar((to[i] & ~mask) | (from[i] & mask)); };
    if (first == last) {
        merge(first, uchar(head & tail));
        return;
    }
    merge(first, head);
    if (last - first > 1)
        std::memcpy(to + first + 1, from + first + 1, size_t(last - first - 1));
    merge(last, tail);
}

QList<QRgb> distinctColours(const QList<QRgb> &colours, int limit)
{
    QList<QRgb> out;
    for (const QRgb c : colours) {
        if (out.contains(c))
            continue;
        if (out.size() == limit)
            return {};
        out.append(c);
    }
    return out;
}

} // namespace platform::raster
