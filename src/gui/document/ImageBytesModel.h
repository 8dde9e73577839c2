#pragma once
// The rows of the "File Data" dialog: a clone file as 16 bytes a row in lower-case hexadecimal, the
// 4096 image bytes from a private copy (editable) and then the 8 trailer bytes (shown only).

#include <QAbstractTableModel>

#include "core/image/CloneImage.h"

namespace zt46 {

class ImageBytesModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kColumns = 16;
    static constexpr int kRows = static_cast<int>((kImageSize + kTrailerSize + kColumns - 1) / kColumns);

    ImageBytesModel(const CloneImage& image, const ImageTrailer& trailer, QObject* parent = nullptr);

    const CloneImage& Copy() const { return m_copy; }
    // File offset of a cell; -1 past the trailer.
    static int Offset(const QModelIndex& index);
    static bool IsImageByte(const QModelIndex& index);
    // Stores the byte a one- or two-digit hexadecimal text stands for ("7" is 07, "" is 00).
    void SetByteText(const QModelIndex& index, const QString& text);
    // The byte a text stands for: right-aligned to two characters, each a nibble.
    static std::uint8_t ParseHexByte(const QString& text);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    CloneImage m_copy;
    ImageTrailer m_trailer;
};

} // namespace zt46
