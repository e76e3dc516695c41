#include "model/code/code_writer.h"
#include "model/code/identifiers.h"
#include "model/files/windows1252.h"

#include <set>

// Names in a program of several diagrams: one identifier for each routine
// in every part, the routines' texts and stubs gathered by the main
// diagram's writer.
namespace velbrant::code {

namespace {

bool isRoutine(const Symbol& symbol) {
    return symbol.kind == SymbolKind::Function || symbol.kind == SymbolKind::Procedure;
}

} // namespace

RoutineIds routineIds(const ProgramSet& set) {
    RoutineIds ids;
    Identifiers identifiers;
    const auto add = [&](std::string_view name) {
        const std::string key = lowered(name);
        if (!key.empty() && ids.count(key) == 0)
            ids[key] = identifiers.unique(name);
    };
    std::vector<const TypedProgram*> all{&set.main};
    for (const TypedProgram& routine : set.routines)
        all.push_back(&routine);
    for (const TypedProgram* program : all) {
        if (program->program.isFunction)
            add(program->program.name);
    }
    for (const TypedProgram* program : all) {
        for (const Symbol& symbol : program->symbols.all()) {
            if (isRoutine(symbol))
                add(symbol.spelling);
        }
    }
    return ids;
}

void CodeWriter::assignIdentifiers() {
    Identifiers identifiers;
    const auto linked = [this](std::string_view name) -> const std::string* {
        if (m_routineIds == nullptr)
            return nullptr;
        const auto found = m_routineIds->find(lowered(name));
        return found == m_routineIds->end() ? nullptr : &found->second;
    };
    if (m_routineIds != nullptr) {
        for (const auto& [key, identifier] : *m_routineIds)
            identifiers.take(identifier);
    }
    // Records first, in their order: the same identifiers in every part.
    for (const RecordType& record : m_program.records) {
        m_recordIds.push_back(identifiers.unique(record.name));
        Identifiers fields;
        m_fieldIds.emplace_back();
        for (const RecordField& field : record.fields)
            m_fieldIds.back().push_back(fields.unique(field.name));
    }
    const std::string* own = m_program.isFunction ? linked(m_program.name) : nullptr;
    m_programName = own != nullptr
                        ? *own
                        : identifiers.unique(m_program.name.empty() ? "Programm" : m_program.name);
    for (const Symbol& symbol : m_typed.symbols.all()) {
        const std::string* routineId = isRoutine(symbol) ? linked(symbol.spelling) : nullptr;
        m_idsBySymbol.push_back(routineId != nullptr ? *routineId
                                                     : identifiers.unique(symbol.spelling));
        m_ids[lowered(symbol.spelling)] = m_idsBySymbol.back();
    }
}

void CodeWriter::addRoutine(CodeWriter& routineWriter) {
    m_forwards.push_back(routineWriter.forwardDeclaration());
    routineWriter.routine();
    m_routineLines.insert(m_routineLines.end(), routineWriter.m_lines.begin(),
                          routineWriter.m_lines.end());
    m_stops = m_stops || routineWriter.m_stops;
    m_indexes = m_indexes || routineWriter.m_indexes;
    m_dividesWhole = m_dividesWhole || routineWriter.m_dividesWhole;
    m_takesRemainder = m_takesRemainder || routineWriter.m_takesRemainder;
    m_arrayTypes.insert(routineWriter.m_arrayTypes.begin(), routineWriter.m_arrayTypes.end());
    m_setArrayTypes.insert(routineWriter.m_setArrayTypes.begin(),
                           routineWriter.m_setArrayTypes.end());
    m_endsProgram = m_endsProgram || routineWriter.m_endsProgram;
    m_inputTypes.insert(routineWriter.m_inputTypes.begin(), routineWriter.m_inputTypes.end());
    m_builtins.insert(routineWriter.m_builtins.begin(), routineWriter.m_builtins.end());
    m_showsReal = m_showsReal || routineWriter.m_showsReal;
    m_joinsTexts = m_joinsTexts || routineWriter.m_joinsTexts;
    m_joinsIntegers = m_joinsIntegers || routineWriter.m_joinsIntegers;
    for (const Symbol* stub : routineWriter.subroutines())
        m_routineStubs.push_back(stub);
}

void CodeWriter::linkedRoutines() {
    if (m_routineLines.empty())
        return;
    blank();
    std::vector<std::string> forwards = m_forwards;
    if (m_program.isFunction)
        forwards.push_back(forwardDeclaration());
    for (const std::string& forward : forwards) {
        if (!forward.empty())
            line(forward);
    }
    blank();
    for (const std::string& text : m_routineLines)
        line(text);
}

std::string CodeWriter::id(std::string_view name) const {
    // A stub another diagram's part asks for has only the program's name.
    const std::string key = lowered(name);
    const auto found = m_ids.find(key);
    if (found != m_ids.end() || m_routineIds == nullptr)
        return m_ids.at(key);
    return m_routineIds->at(key);
}

std::vector<const Symbol*> CodeWriter::subroutines() const {
    std::vector<const Symbol*> result;
    std::set<std::string> names;
    for (const Symbol& s : m_typed.symbols.all()) {
        if (isRoutine(s) && s.read && !s.conflicting && !s.linked &&
            names.insert(lowered(s.spelling)).second)
            result.push_back(&s);
    }
    for (const Symbol* stub : m_routineStubs) {
        if (names.insert(lowered(stub->spelling)).second)
            result.push_back(stub);
    }
    return result;
}

} // namespace velbrant::code
