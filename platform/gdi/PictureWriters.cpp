#include "PictureWriters.h"

#include "BmpCodec.h"
#include "FileIO.h"
#include "JpegImage.h"

#include <algorithm>
#include <cctype>

std::string FileNamePart(const std::string& path) {
    const size_t sep = path.find_last_of("\\/:");
    return sep == std::string::npos ? path : path.substr(sep + 1);
}

std::string UpperExtension(const std::string& fileName) {
    const std::string name = FileNamePart(fileName);
    const size_t dot = name.find_last_of('.');
    if (dot == std::string::npos) return {};
    std::string ext = name.substr(dot);
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return char(std::toupper(c)); });
    return ext;
}

TPictureKind SaveKindFor(const std::string& fileName) {
    const std::string ext = UpperExtension(fileName);
    if (ext == ".GIF") return TPictureKind::Gif;
    // ".JPEG" is what the loader takes as JPEG too: BMP data under that name would not load back.
    if (ext == ".JPG" || ext == ".JPEG") return TPictureKind::Jpeg;
    return TPictureKind::Bmp;
}

std::string QuickSaveName(const std::string& caption) {
    const std::string name = FileNamePart(caption);
    const size_t dot = name.find('.');
    return (dot == std::string::npos ? std::string() : name.substr(0, dot + 1)) + "bmp";
}

std::string FrameNumberText(int n) {
    // Appended, not "00" + text: GCC 12's optimiser warns falsely (-Wrestrict) on the latter.
    std::string text = n < 10 ? "00" : n < 100 ? "0" : "";
    text += std::to_string(n);
    return text;
}

std::string frameFileName(const std::string& prefix, int n) {
    return prefix + FrameNumberText(n) + ".bmp";
}

// Encoded straight into the safe writer's temporary file, with no copy of the whole file first.
void WriteBmpPicture(const TBitmap& bmp, const std::string& fileName) {
    SaveBmpToFile(bmp, fileName);
}

std::vector<std::uint8_t> EncodeJpegPicture(const TBitmap& bmp, int quality, bool progressive) {
    TJPEGImage jpeg;
    jpeg.Assign(bmp);
    jpeg.SetCompressionQuality(quality);
    jpeg.SetProgressiveEncoding(progressive);
    jpeg.Compress();
    return jpeg.Data();
}

void WriteJpegPicture(const TBitmap& bmp, const std::string& fileName, int quality, bool progressive) {
    const std::vector<std::uint8_t> bytes = EncodeJpegPicture(bmp, quality, progressive);
    writeFileReplacing(fileName, bytes);
}
