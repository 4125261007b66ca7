#include "cli/TSheetBackSide.h"

#include "app/model/TCardFiles.h"
#include "design/model/TBackgroundArt.h"
#include "design/model/TGGraphicControl.h"
#include "print/model/TTwoSidedSheet.h"

namespace cw::cli {

TSheetBackSide::TSheetBackSide(const QString &cardPath, model::TLabelPrintJob &front,
                               const QSizeF &pageInches, const model::TBackRegistration &registration,
                               bool registrationTest)
{
    Back.Settings = model::TTwoSidedSheet::BackSettings(front.Settings, pageInches, registration);
    Back.Settings.BackgroundFile.clear();
    if (registrationTest) {
        for (model::TLabelPrintJob *job : {&front, &Back}) {
            job->Settings.PrintTestPage = false;
            job->Settings.BackgroundFile.clear();
            job->LoadBackGround();
            const double width = job->Settings.CardWidth;
            const double height = job->Settings.CardHeight;
            job->PrintObjects = [width, height](engine::TBaseReport &report, double x, double y) {
                model::TTwoSidedSheet::PrintRegistrationMark(report, x, y, width, height);
            };
        }
        return;
    }
    const QString back = model::TCardFiles::FindBack(cardPath);
    if (!back.isEmpty()) {
        m_objects = model::TGLabelObjectFiler().ReadObjects(back);
        const QString named = model::TCardFiles::ReadSidecar(back);
        const QString picture = model::TBackgroundArt::Resolve(named);
        Back.Settings.BackgroundFile = picture.isEmpty() ? named : picture;
    }
    Back.LoadBackGround();
    Back.PrintObjects = [this](engine::TBaseReport &report, double x, double y) {
        for (const auto &object : m_objects)
            object->PrintTo(report, x, y);
    };
}

void TSheetBackSide::Print(model::TLabelPrintJob &front, engine::TBaseReport &report)
{
    model::TTwoSidedSheet::PrintSheets(front, Back, report, front.Settings.SheetCount,
                                       model::TTwoSidedSheet::TPages::Both);
}

} // namespace cw::cli
