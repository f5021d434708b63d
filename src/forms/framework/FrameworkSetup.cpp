#include "FrameworkSetup.h"

#include "Dm.h"
#include "FrSimpleSearch.h"
#include "KeptDialogs.h"

namespace framework {

void install()
{
    // Kept dialogs of an earlier company connection must not outlive it.
    KeptDialogs::releaseAll();
    app::TDM::instance().setSimpleSearchOpener([](const app::SimpleSearchRequest &request, QVariantMap &chosenRow) {
        if (!openSimpleSearch(request.caption, request.codeField, request.descField, request.condition, request.table))
            return false;
        TFrSimpleSearch &dialog = KeptDialogs::get<TFrSimpleSearch>();
        chosenRow = dialog.ChosenRow;
        // A blank code column means "Code": the caller asks for it by the blank name.
        if (request.codeField.trimmed().isEmpty())
            chosenRow.insert(request.codeField, dialog.ReturnValue);
        return true;
    });
}

} // namespace framework
