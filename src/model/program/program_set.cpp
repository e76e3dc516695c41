#include "model/program/program_set.h"

#include "model/files/windows1252.h"
#include "model/program/type_rules.h"

#include <set>

namespace velbrant::code {

namespace {

// A routine's signature changes when a routine it calls turns out to take
// other types; a few rounds settle any chain that real programs have.
constexpr int MaxLinkRounds = 6;
// More routines than any program of diagrams has: a lookup that keeps
// finding new ones stops here.
constexpr std::size_t MaxRoutines = 200;

Signature signatureOf(const TypedProgram& typed) {
    Signature signature;
    signature.spelling = typed.program.name;
    for (const std::string& parameter : typed.program.parameters)
        signature.parameters.push_back(typed.symbols.find(parameter)->type);
    signature.result = typed.result;
    return signature;
}

class Linker {
public:
    Linker(Program main, const ProgramLookup& find) : m_find(find) {
        m_programs.push_back(std::move(main));
    }

    ProgramSet link() {
        discover();
        shareRecords();
        ProgramSet set;
        // The usual case: a diagram that calls no other is typed once.
        if (m_programs.size() == 1 && !m_callsItself) {
            set.main = typeProgram(std::move(m_programs.front()));
            return set;
        }
        std::vector<TypedProgram> typed = typeAll();
        for (int round = 1; round < MaxLinkRounds; ++round) {
            const Signatures previous = m_signatures;
            for (const TypedProgram& program : typed)
                noteSignature(program);
            if (m_signatures == previous)
                break;
            typed = typeAll();
        }
        set.main = std::move(typed.front());
        for (std::size_t i = 1; i < typed.size(); ++i)
            set.routines.push_back(std::move(typed[i]));
        return set;
    }

private:
    // Every routine the programs call, directly or through each other, is
    // looked up once by its name.
    void discover() {
        std::set<std::string> looked{lowered(m_programs.front().name)};
        for (std::size_t i = 0; i < m_programs.size() && m_programs.size() <= MaxRoutines; ++i) {
            for (const std::string& name : calledNames(m_programs[i].body)) {
                m_callsItself = m_callsItself || (i == 0 && m_programs.front().isFunction &&
                                                  name == lowered(m_programs.front().name));
                if (!looked.insert(name).second || !m_find)
                    continue;
                std::optional<Program> routine = m_find(name);
                if (!routine || lowered(routine->name) != name)
                    continue;
                routine->isFunction = true;
                routine->isRoutine = true;
                m_programs.push_back(std::move(*routine));
            }
        }
    }

    // A record type one diagram defines is known in all of them.
    void shareRecords() {
        std::vector<RecordType> all;
        for (const Program& program : m_programs) {
            for (RecordType& record : recordsIn(program.body)) {
                if (recordNamed(all, record.name) < 0)
                    all.push_back(std::move(record));
            }
        }
        for (Program& program : m_programs)
            program.records = all;
    }

    std::vector<TypedProgram> typeAll() const {
        std::vector<TypedProgram> typed;
        for (const Program& program : m_programs)
            typed.push_back(typeProgram(program, m_signatures));
        return typed;
    }

    void noteSignature(const TypedProgram& program) {
        if (program.program.isFunction && !program.program.name.empty())
            m_signatures[lowered(program.program.name)] = signatureOf(program);
    }

    const ProgramLookup& m_find;
    std::vector<Program> m_programs;
    Signatures m_signatures;
    bool m_callsItself = false;
};

} // namespace

ProgramSet linkPrograms(Program main, const ProgramLookup& find) {
    return Linker(std::move(main), find).link();
}

} // namespace velbrant::code
