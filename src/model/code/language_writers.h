#pragma once

#include "model/code/code_writer.h"
#include "model/program/program_set.h"

#include <string>

// One back end per language; each writes a whole program, with the
// routines other diagrams define.
namespace velbrant::code {

std::string writePython(const ProgramSet& set);
// The class takes the name of the file (Windows-1252) when there is one.
std::string writeJava(const ProgramSet& set, std::string_view fileStem);
std::string writeC(const ProgramSet& set);
std::string writePascal(const ProgramSet& set);

// The main diagram's writer, given every routine's text by a writer of
// the same language, writes the program.
template <typename Writer, typename... Extra>
std::string writeLinked(const ProgramSet& set, Extra... extra) {
    const RoutineIds ids = routineIds(set);
    Writer main(set.main, &ids, extra...);
    for (const TypedProgram& routine : set.routines) {
        Writer routineWriter(routine, &ids, extra...);
        main.addRoutine(routineWriter);
    }
    return main.write();
}

} // namespace velbrant::code
