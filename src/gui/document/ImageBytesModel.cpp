#include "gui/document/ImageBytesModel.h"

namespace zt46 {
namespace {

QString Hex2(unsigned value) {
    return QString::asprintf("%02x", value & 0xFF);
}

unsigned Nibble(QChar c) {
    const auto u = c.unicode();
    if (u < ':') return u & 0x0F; // digits, and a blank as 0
    return (u & 0x0F) + 9;        // a..f and A..F
}

} // namespace

ImageBytesModel::ImageBytesModel(const CloneImage& image, const ImageTrailer& trailer, QObject* parent)
    : QAbstractTableModel(parent), m_copy(image), m_trailer(trailer) {}

int ImageBytesModel::Offset(const QModelIndex& index) {
    if (!index.isValid()) return -1;
    const int offset = index.row() * kColumns + index.column();
    return offset < static_cast<int>(kImageSize + kTrailerSize) ? offset : -1;
}

bool ImageBytesModel::IsImageByte(const QModelIndex& index) {
    const int offset = Offset(index);
    return offset >= 0 && offset < static_cast<int>(kImageSize);
}

std::uint8_t ImageBytesModel::ParseHexByte(const QString& text) {
    const QString two = text.right(2).rightJustified(2, ' ');
    return static_cast<std::uint8_t>(Nibble(two[0]) * 16 + Nibble(two[1]));
}

void ImageBytesModel::SetByteText(const QModelIndex& index, const QString& text) {
    if (!IsImageByte(index)) return;
    m_copy[static_cast<std::size_t>(Offset(index))] = ParseHexByte(text);
    emit dataChanged(index, index, {Qt::DisplayRole});
}

int ImageBytesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kRows;
}

int ImageBytesModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QVariant ImageBytesModel::data(const QModelIndex& index, int role) const {
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignCenter);
    if (role != Qt::DisplayRole) return {};
    const int offset = Offset(index);
    if (offset < 0) return QString();
    if (offset < static_cast<int>(kImageSize)) return Hex2(m_copy[static_cast<std::size_t>(offset)]);
    return Hex2(m_trailer[static_cast<std::size_t>(offset) - kImageSize]);
}

QVariant ImageBytesModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignCenter);
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Horizontal) return Hex2(static_cast<unsigned>(section));
    return QString::asprintf("%05xh", static_cast<unsigned>(section * kColumns));
}

} // namespace zt46
