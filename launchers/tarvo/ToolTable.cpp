#include "launchers/tarvo/ToolTable.h"

namespace tarvo {

const QList<ToolItem>& ToolTable::items()
{
    static const QList<ToolItem> table = {
        {"MnuPollent", "Pollent Processor...", "Pollent.exe"},
        {"MnuLoadLisp", "Load Lisp...", "Ploven.exe"},
        {"MnuConversionCalculator", "Conversion Calculator...", "Conversion.exe"},
        {"MnuWexmoor", "Wexmoor...", "Wexmoor.exe"},
        {"MnuBrindok", "Brindok...", "Sodrin.exe"},
        {"MnuLunvik", "Lunvik Edit...", "Lunvik.exe"},
        {"MnuBrindokEdit", "Brindok Edit...", "Brindok.exe"},
        {"MnuScales", "Standard Scales...", "Mervane.exe"},
        {"MnuSections", "Standard Sections...", "Sections.exe"},
        {"MnuSodrin", "Orbessa...", "Orbessa.exe"},
        {"MnuPemmit", "Pemmit...", "Pemmit.exe"},
        {"MnuStavrins", "Drawing Template...", "Stavrin.exe"},
        {"MnuSpace6", "-", {}},
        {"MnuKandrel", "Kandrel...", "Kandrel.exe"},
        {"MnuFentrow", "Fentrowal...", "Fentrow.exe"},
        {"MnuSpace3", "-", {}},
        {"MnuDrossel", "Drossel...", "Drossel.exe"},
    };
    return table;
}

}  // namespace tarvo
