#include "register/PigeonTableModel.h"

#include "storage/AppData.h"
#include "storage/Formatting.h"

using namespace Qt::StringLiterals;

namespace {

const char16_t* const kHeaders[] = {u"...", u"Country", u"Union", u"Year", u"Band",
                                    u"Sex", u"Remarks", u"Color", u"Sire", u"Dam"};
constexpr int kWidths[] = {30, 65, 100, 100, 100, 80, 120, 90, 100, 120};

} // namespace

PigeonTableModel::PigeonTableModel(const AppData& data, QObject* parent)
    : QAbstractTableModel(parent)
    , m_data(data) {}

void PigeonTableModel::Fill(std::vector<int> ids) {
    beginResetModel();
    m_ids = std::move(ids);
    endResetModel();
}

void PigeonTableModel::Clear() {
    Fill({});
}

int PigeonTableModel::SetRow(int row, const PigeonRecord& pigeon) {
    if (row < 0 || row >= static_cast<int>(m_ids.size())) {
        row = static_cast<int>(m_ids.size());
        beginInsertRows({}, row, row);
        m_ids.push_back(pigeon.id);
        endInsertRows();
        return row;
    }
    m_ids[size_t(row)] = pigeon.id;
    Q_EMIT dataChanged(index(row, 0), index(row, ColumnCount - 1));
    return row;
}

void PigeonTableModel::RemoveRow(int row) {
    if (row < 0 || row >= static_cast<int>(m_ids.size()))
        return;
    beginRemoveRows({}, row, row);
    m_ids.erase(m_ids.begin() + row);
    endRemoveRows();
}

int PigeonTableModel::PigeonAt(int row) const {
    return row >= 0 && row < static_cast<int>(m_ids.size()) ? m_ids[size_t(row)] : 0;
}

QString PigeonTableModel::CellText(int row, int column) const {
    // A link to a pigeon that is not loaded shows as a row of empty cells.
    const PigeonRecord& p = m_data.FindPigeon(PigeonAt(row));
    switch (column) {
    case Check:
        return u" "_s;
    case Country:
        return p.country;
    case Union:
        return p.branch;
    case Year:
        return p.year;
    case Band:
        return p.ringNumber;
    case Sex:
        return SexWord(p.sex);
    case Remarks:
        return p.notesGeneral.left(15);
    case Colour: {
        const auto colour = m_data.colours.find(p.idColour);
        return colour == m_data.colours.end() ? QString() : colour->second;
    }
    case Sire:
        return BandLabel(m_data.FindPigeon(p.idSire));
    case Dam:
        return BandLabel(m_data.FindPigeon(p.idDam));
    default:
        return {};
    }
}

int PigeonTableModel::ColumnWidth(int column) {
    return column >= 0 && column < ColumnCount ? kWidths[column] : 0;
}

int PigeonTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_ids.size());
}

int PigeonTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant PigeonTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole)
        return {};
    return CellText(index.row(), index.column());
}

QVariant PigeonTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= ColumnCount)
        return {};
    return QString::fromUtf16(kHeaders[section]);
}
