#pragma once

#include <QAbstractListModel>
#include <QIcon>

#include <functional>
#include <string>
#include <vector>

namespace quorrin::ui {

// A read-only view of a list of byte texts in the system code page, however
// long: rows are converted only when the view draws them.
class ByteListModel : public QAbstractListModel {
public:
    explicit ByteListModel(QObject* parent = nullptr) : QAbstractListModel(parent) {}

    // The rows live elsewhere (a control's Items); call refresh() after they
    // change.
    void setSource(const std::vector<std::string>* rows);
    void setIcons(std::function<QIcon(int row)> icons) { icons_ = std::move(icons); }
    void refresh();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    const std::vector<std::string>* rows_ = nullptr;
    std::function<QIcon(int row)> icons_;
};

} // namespace quorrin::ui
