#pragma once
// The About box: product picture, version, and the link to the online store.

#include <QDialog>

namespace cw::ui {

class TSplashform : public QDialog
{
    Q_OBJECT

public:
    explicit TSplashform(QWidget *parent = nullptr);
    static QString VersionText() { return QStringLiteral("3.2g"); }
};

} // namespace cw::ui
