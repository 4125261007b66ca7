#pragma once
// "Merge Field Mapping": for each of the ten personal-information fields the
// source column that fills it, "(none)", or several columns joined by "+"
// typed into the field's box ("First name+Last name").

#include "merge/model/TMergeMapping.h"
#include "merge/model/TMergeTable.h"

#include <QDialog>
#include <array>

class QComboBox;

namespace cw::ui {

class TMergeMappingDialog : public QDialog
{
    Q_OBJECT

public:
    explicit TMergeMappingDialog(QWidget *parent = nullptr);

    // The source's columns to choose from and the mapping to start with.
    void SetMapping(const model::TMergeTable &table, const model::TMergeMapping &mapping);
    // The mapping as the boxes give it.  False with a message naming the
    // field when a box names a column the source lacks.
    bool Mapping(model::TMergeMapping &mapping, QString *message) const;

    QComboBox *FieldBox(int field) const { return m_boxes[std::size_t(field)]; }
    // Ok: closes only when every box names columns of the source.
    void OKButtonClick();

    static QString NoColumn();

private:
    const model::TMergeTable *m_table = nullptr;
    std::array<QComboBox *, model::TMergeMapping::FieldCount> m_boxes{};
};

} // namespace cw::ui
