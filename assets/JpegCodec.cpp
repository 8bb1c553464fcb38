#include "assets/JpegCodec.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace sim {
namespace {

// libjpeg reports a fatal error by calling error_exit, which by default ends the process. Ours
// jumps back to the stage that called into the library instead.
struct ErrorManager {
    jpeg_error_mgr Base;  // first member: libjpeg sees only this part
    std::jmp_buf Jump;
};

[[noreturn]] void OnFatalError(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->Jump, 1);
}

// Warnings (level -1) are what libjpeg says about damaged data: a premature end, stray bytes,
// a corrupt Huffman code. It would carry on and pad the picture with grey; we refuse the picture.
// Trace messages (level >= 0) are dropped.
void OnMessage(j_common_ptr info, int level) {
    if (level < 0) {
        OnFatalError(info);
    }
}

void InstallErrorManager(ErrorManager& errors) {
    jpeg_std_error(&errors.Base);
    errors.Base.error_exit = OnFatalError;
    errors.Base.emit_message = OnMessage;
}

// Each stage below calls setjmp itself and holds no object with a destructor, so a jump out of
// libjpeg skips nothing that needs cleaning up. The caller owns the image and destroys the
// libjpeg state whatever the stage returned.

bool StartDecompress(jpeg_decompress_struct* info, ErrorManager* errors, const unsigned char* data,
                     unsigned long size) {
    if (setjmp(errors->Jump) != 0) {
        return false;
    }
    jpeg_create_decompress(info);
    jpeg_mem_src(info, data, size);
    jpeg_read_header(info, TRUE);
    switch (info->jpeg_color_space) {
        case JCS_GRAYSCALE:
            info->out_color_space = JCS_GRAYSCALE;
            break;
        case JCS_YCbCr:
        case JCS_RGB:
            info->out_color_space = JCS_RGB;
            break;
        default:  // CMYK, YCCK and unknown transforms: nothing we ship or expect
            return false;
    }
    jpeg_calc_output_dimensions(info);
    if (info->output_width == 0 || info->output_height == 0 ||
        qint64{info->output_width} * info->output_height > kMaxJpegPixels) {
        return false;
    }
    jpeg_start_decompress(info);
    return true;
}

bool ReadScanlines(jpeg_decompress_struct* info, ErrorManager* errors, uchar* bits,
                   qsizetype bytesPerLine) {
    if (setjmp(errors->Jump) != 0) {
        return false;
    }
    while (info->output_scanline < info->output_height) {
        JSAMPROW row = bits + info->output_scanline * bytesPerLine;
        if (jpeg_read_scanlines(info, &row, 1) != 1) {
            return false;
        }
    }
    jpeg_finish_decompress(info);
    return true;
}

// Collects the encoder's output in a QByteArray owned by the caller, in fixed chunks.
struct ByteArrayDestination {
    jpeg_destination_mgr Base;  // first member: libjpeg sees only this part
    QByteArray* Out;
    JOCTET Chunk[4096];
};

void StartChunk(ByteArrayDestination* destination) {
    destination->Base.next_output_byte = destination->Chunk;
    destination->Base.free_in_buffer = sizeof destination->Chunk;
}

void OnInitDestination(j_compress_ptr info) {
    StartChunk(reinterpret_cast<ByteArrayDestination*>(info->dest));
}

boolean OnChunkFull(j_compress_ptr info) {
    auto* destination = reinterpret_cast<ByteArrayDestination*>(info->dest);
    destination->Out->append(reinterpret_cast<const char*>(destination->Chunk),
                             sizeof destination->Chunk);
    StartChunk(destination);
    return TRUE;
}

void OnTermDestination(j_compress_ptr info) {
    auto* destination = reinterpret_cast<ByteArrayDestination*>(info->dest);
    const auto used = sizeof destination->Chunk - destination->Base.free_in_buffer;
    destination->Out->append(reinterpret_cast<const char*>(destination->Chunk),
                             static_cast<qsizetype>(used));
}

bool Compress(jpeg_compress_struct* info, ErrorManager* errors, ByteArrayDestination* destination,
              const QImage* source, int quality) {
    if (setjmp(errors->Jump) != 0) {
        return false;
    }
    jpeg_create_compress(info);
    info->dest = &destination->Base;
    info->image_width = static_cast<JDIMENSION>(source->width());
    info->image_height = static_cast<JDIMENSION>(source->height());
    const bool grey = source->format() == QImage::Format_Grayscale8;
    info->input_components = grey ? 1 : 3;
    info->in_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(info);
    jpeg_set_quality(info, std::clamp(quality, 1, 100), TRUE);
    jpeg_start_compress(info, TRUE);
    while (info->next_scanline < info->image_height) {
        // libjpeg takes non-const rows but only reads them.
        JSAMPROW row =
            const_cast<uchar*>(source->constScanLine(static_cast<int>(info->next_scanline)));
        jpeg_write_scanlines(info, &row, 1);
    }
    jpeg_finish_compress(info);
    return true;
}

}  // namespace

QImage DecodeJpeg(const QByteArray& data) {
    ErrorManager errors{};
    InstallErrorManager(errors);
    jpeg_decompress_struct info{};
    info.err = &errors.Base;

    QImage image;
    const auto* bytes = reinterpret_cast<const unsigned char*>(data.constData());
    if (StartDecompress(&info, &errors, bytes, static_cast<unsigned long>(data.size()))) {
        const bool grey = info.out_color_space == JCS_GRAYSCALE;
        image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                       grey ? QImage::Format_Grayscale8 : QImage::Format_RGB888);
        if (image.isNull() || !ReadScanlines(&info, &errors, image.bits(), image.bytesPerLine())) {
            image = QImage();
        }
    }
    jpeg_destroy_decompress(&info);
    return image.isNull() ? QImage() : image.convertToFormat(QImage::Format_RGB32);
}

QByteArray EncodeJpeg(const QImage& image, int quality, bool grayscale) {
    if (image.isNull()) {
        return {};
    }
    const QImage source =
        image.convertToFormat(grayscale ? QImage::Format_Grayscale8 : QImage::Format_RGB888);
    ErrorManager errors{};
    InstallErrorManager(errors);
    jpeg_compress_struct info{};
    info.err = &errors.Base;

    QByteArray result;
    ByteArrayDestination destination{};
    destination.Base.init_destination = OnInitDestination;
    destination.Base.empty_output_buffer = OnChunkFull;
    destination.Base.term_destination = OnTermDestination;
    destination.Out = &result;
    const bool done = Compress(&info, &errors, &destination, &source, quality);
    jpeg_destroy_compress(&info);
    return done ? result : QByteArray();
}

}  // namespace sim
