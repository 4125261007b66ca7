#pragma once
// A widget that shows one design object (not on a surface) at its own size,
// drawn with the object's own painting: the live samples of the dialogs.

#include <QWidget>

namespace cw::model {
class TGGraphicControl;
}

namespace cw::ui {

class TObjectSampleView : public QWidget
{
public:
    // `object` must outlive the view.
    TObjectSampleView(model::TGGraphicControl &object, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    model::TGGraphicControl &m_object;
};

} // namespace cw::ui
