#include "app/TSplashform.h"

#include "help/model/TConfigReport.h"
#include "widgets/ToolIcons.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSysInfo>
#include <QVBoxLayout>
#include <algorithm>

namespace cw::ui {

TSplashform::TSplashform(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TSplashform"));
    setWindowTitle(tr("About Cardwright"));
    setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint);

    auto *layout = new QVBoxLayout(this);
    auto *top = new QHBoxLayout;
    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("ProductPicture"));
    picture->setPixmap(toolIcon(ToolGlyph::Application).pixmap(96, 96));
    top->addWidget(picture, 0, Qt::AlignTop | Qt::AlignLeft);

    auto *texts = new QVBoxLayout;
    auto *title = new QLabel(QStringLiteral("<b style='font-size:16pt'>Cardwright</b>"), this);
    texts->addWidget(title);
    auto *version = new QLabel(tr("Version ") + VersionText(), this);
    version->setObjectName(QStringLiteral("VersionLabel"));
    texts->addWidget(version);
    auto *build =
        new QLabel(model::TConfigReport::BuildDescription(QSysInfo::WordSize, QSysInfo::prettyProductName(),
                                                          QString::fromLatin1(qVersion())),
                   this);
    build->setObjectName(QStringLiteral("BuildLabel"));
    build->setWordWrap(true);
    texts->addWidget(build);
    texts->addStretch(1);
    top->addLayout(texts, 1);
    layout->addLayout(top);

    auto *store = new QGroupBox(tr("Visit our online store:"), this);
    auto *storeRow = new QHBoxLayout(store);
    auto *link =
        new QLabel(QStringLiteral("<a href=\"https://cardwright.org/\">https://cardwright.org/</a>"), store);
    link->setObjectName(QStringLiteral("StoreLink"));
    link->setOpenExternalLinks(true);
    link->setTextInteractionFlags(Qt::TextBrowserInteraction);
    storeRow->addWidget(link);
    layout->addWidget(store);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(tr("Ok"), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);

    // The box keeps its designed size and cannot be resized; it grows only
    // when the system's texts or fonts need more room than that, so nothing
    // is cut off.
    const int width = std::max(434, layout->minimumSize().width());
    const int height = std::max(236, layout->hasHeightForWidth() ? layout->totalHeightForWidth(width)
                                                                 : layout->sizeHint().height());
    setFixedSize(width, height);
}

} // namespace cw::ui
