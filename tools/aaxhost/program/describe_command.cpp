// aaxhost describe: what the module declared at registration, then the parameters of an instance.
#include <cstdio>
#include <iomanip>

#include "tools/aaxhost/program/parameter_table.h"
#include "tools/aaxhost/program/program.h"
#include "tools/aaxhost/session/installed_plugin_check.h"

namespace aaxhost {
namespace {

std::string Hex(uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof(text), "0x%08x", value);
    return text;
}

void WriteProperties(std::ostream& out, const char* indent, const std::optional<Properties>& map) {
    if (!map) return;
    for (const auto& [id, value] : *map) {
        out << indent << "property " << id << " = " << value << " ("
            << Hex(static_cast<uint32_t>(value)) << ")\n";
    }
}

void WriteList(std::ostream& out, const char* label, const std::vector<std::string>& items) {
    out << label;
    for (size_t i = 0; i < items.size(); ++i)
        out << (i == 0 ? " " : ", ") << '"' << items[i] << '"';
    out << '\n';
}

void WriteDeclared(std::ostream& out, const Package& package) {
    out << "package: manufacturer \"" << package.manufacturer << "\", version " << package.version
        << '\n';
    WriteList(out, "  names:", package.names);
    WriteProperties(out, "  ", package.properties);
    for (const Effect& effect : package.effects) {
        out << "effect " << effect.identifier << '\n';
        WriteList(out, "  names:", effect.names);
        out << "  categories:";
        for (uint32_t category : effect.categories) out << ' ' << Hex(category);
        out << '\n';
        WriteProperties(out, "  ", effect.properties);
        for (const CreationProcedure& creation : effect.creationProcedures) {
            out << "  creation procedure " << creation.procID << '\n';
        }
        for (size_t c = 0; c < effect.components.size(); ++c) {
            const Component& component = effect.components[c];
            out << "  component " << c << '\n';
            for (const DeclaredField& field : component.fields) out << "    " << field << '\n';
            for (const ProcessProcedure& procedure : component.processProcedures) {
                out << "    process procedure\n";
                WriteProperties(out, "      ", procedure.properties);
            }
        }
    }
}

void WriteParameters(std::ostream& out, const std::vector<ParameterRow>& rows) {
    out << std::left << std::setw(20) << "identifier" << std::setw(18) << "name" << std::setw(7)
        << "steps" << std::setw(6) << "type" << std::setw(7) << "auto" << std::setw(9) << "default"
        << "value\n";
    for (const ParameterRow& row : rows) {
        char defaultText[16];
        std::snprintf(defaultText, sizeof(defaultText), "%.4f", row.defaultValue);
        out << std::left << std::setw(20) << row.identifier << std::setw(18) << row.name
            << std::setw(7) << row.steps << std::setw(6) << row.type << std::setw(7)
            << (row.automatable ? "yes" : "no") << std::setw(9) << defaultText << row.valueText
            << '\n';
    }
}

}  // namespace

int DescribeCommand(const Options& options, std::ostream& out, std::ostream& err) {
    std::unique_ptr<ModuleSession> session = OpenModule(options.module, err);
    if (session == nullptr) return kExitFailure;
    WriteDeclared(out, session->Declared());
    out << "wrapped plug-in: " << CheckInstalledPlugin().text << '\n';

    std::unique_ptr<EffectInstance> opened = OpenInstance(*session, options.module, err);
    if (opened == nullptr) return kExitFailure;
    EffectInstance& instance = *opened;
    out << "parameters of a " << (instance.Channels() == 2 ? "stereo" : "mono")
        << " instance at 44100 Hz:\n";
    WriteParameters(out, ReadParameters(instance));
    return 0;
}

}  // namespace aaxhost
