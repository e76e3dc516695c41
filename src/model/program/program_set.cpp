#include "model/program/program_set.h"

#include "model/files/windows1252.h"

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
        std::vector<TypedProgram> typed = typeAll();
        for (int round = 1; round < MaxLinkRounds; ++round) {
            const Signatures previous = m_signatures;
            const std::size_t known = m_programs.size();
            for (const TypedProgram& program : typed)
                noteSignature(program);
            findCalledRoutines(typed);
            if (m_signatures == previous && m_programs.size() == known)
                break;
            typed = typeAll();
        }
        ProgramSet set;
        set.main = std::move(typed.front());
        for (std::size_t i = 1; i < typed.size(); ++i)
            set.routines.push_back(std::move(typed[i]));
        return set;
    }

private:
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

    // Each name a program calls and no diagram of the set defines yet is
    // looked up once.
    void findCalledRoutines(const std::vector<TypedProgram>& typed) {
        for (const TypedProgram& program : typed) {
            for (const std::string& name : calledNames(program.program.body)) {
                if (m_looked.count(name) != 0 || m_programs.size() >= MaxRoutines + 1)
                    continue;
                m_looked.insert(name);
                if (m_signatures.count(name) != 0)
                    continue;
                std::optional<Program> routine = m_find ? m_find(name) : std::nullopt;
                if (!routine || lowered(routine->name) != name)
                    continue;
                routine->isFunction = true;
                routine->isRoutine = true;
                m_programs.push_back(std::move(*routine));
                m_signatures[name] = signatureOf(typeProgram(m_programs.back(), m_signatures));
            }
        }
    }

    const ProgramLookup& m_find;
    std::vector<Program> m_programs;
    Signatures m_signatures;
    std::set<std::string> m_looked;
};

} // namespace

ProgramSet linkPrograms(Program main, const ProgramLookup& find) {
    return Linker(std::move(main), find).link();
}

} // namespace velbrant::code
