#pragma once
// The six disciplines whose standard layer file lies beside the programs, in
// the order the settings form handles them: the box, its caption and flag
// key, the "Load All" caption while it is selected and the file's name.

#include <QString>
#include <array>

namespace sodrin {

struct Discipline {
    QString box;
    QString caption;
    QString key;
    QString loadAllCaption;
    QString fileName;
};

enum class DisciplineIndex { General, Process, Architecture, Structural, Electrical, Mechanical };

inline const std::array<Discipline, 6> Disciplines = {{
    {"ChkGeneral", "General", "General", "Load All General", "General.lay"},
    {"ChkProcess", "Process", "Process", "Load All Process", "Process.lay"},
    {"ChkArchitecture", "Architecture", "Architecture", "Load All Architecture", "Architecture.lay"},
    {"ChkStructural", "Structural", "Structural", "Load All Structural", "Structural.lay"},
    {"ChkElectrical", "Electrical", "Electrical", "Load All Electrical", "Electrical.lay"},
    {"ChkMechanical", "Mechanical", "Mechanical", "Load All Mechanical", "Mechanical.lay"},
}};

}  // namespace sodrin
