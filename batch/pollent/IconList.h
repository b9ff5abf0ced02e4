#pragma once
// A one-column list of texts, each row with the same small icon, under a
// heading: what the main window's two lists show. The drawing list and the
// operation list are made of it; views show it and the run reads it.

#include <QAbstractListModel>
#include <QIcon>
#include <QStringList>

namespace pollent {

class IconList : public QAbstractListModel {
public:
    IconList(QString heading, QIcon icon, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    int count() const { return int(rows_.size()); }
    const QString& text(int row) const { return rows_.at(row); }
    const QStringList& texts() const { return rows_; }

protected:
    void append(const QString& text);
    void removeAt(int row);
    // The whole list at once.
    void replace(QStringList rows);

private:
    QString heading_;
    QIcon icon_;
    QStringList rows_;
};

}  // namespace pollent
