#include "text/model/TTextEditors.h"

namespace cw::model {

namespace {
TTextEditors *g_editors = nullptr;
}

TTextEditors *TTextEditors::Current()
{
    return g_editors;
}

void TTextEditors::Install(TTextEditors *editors)
{
    g_editors = editors;
}

} // namespace cw::model
