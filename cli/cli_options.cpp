#include "cli/cli_options.h"

#include "cli/field_names.h"

#include <string_view>
#include <utility>
#include <vector>

namespace vexlor {

namespace {

enum class Flag { None, Sample, Json, Help, Version, Save, SaveDefault, Force, Open, Batch, Read };

struct FlagInfo {
    std::string_view strName;
    Flag flag;
    bool bTakesValue;    // needs a value
    bool bOptionalValue; // may take one (--batch [FILE])
};

constexpr FlagInfo kFlags[] = {
    {"sample", Flag::Sample, false, false},     {"json", Flag::Json, false, false},
    {"help", Flag::Help, false, false},         {"version", Flag::Version, false, false},
    {"save", Flag::Save, true, false},          {"save-default", Flag::SaveDefault, false, false},
    {"force", Flag::Force, false, false},       {"open", Flag::Open, false, false},
    {"batch", Flag::Batch, false, true},        {"read", Flag::Read, true, false},
};

const FlagInfo* FindFlag(std::string_view strName) {
    for (const FlagInfo& info : kFlags) {
        if (info.strName == strName) return &info;
    }
    return nullptr;
}

ParseOutcome Fail(std::string strError) { return ParseOutcome{std::nullopt, std::move(strError)}; }

bool LooksLikeOption(std::string_view strArg) { return strArg.starts_with("--"); }

}  // namespace

ParseOutcome ParseArguments(std::span<const std::string> args) {
    CliOptions options;
    bool bSample = false;
    bool bHelp = false;
    bool bVersion = false;
    bool bBatch = false;
    std::vector<std::pair<TagField, std::string>> overrides;

    for (size_t i = 0; i < args.size(); ++i) {
        const std::string_view strArg = args[i];
        if (!LooksLikeOption(strArg) || strArg.size() == 2) {
            return Fail("vexlor-decode: unexpected argument '" + std::string(strArg) +
                        "' (see vexlor-decode --help)");
        }
        const size_t nEquals = strArg.find('=');
        const std::string_view strName = strArg.substr(2, nEquals == std::string_view::npos ? std::string_view::npos
                                                                                              : nEquals - 2);
        std::optional<std::string> strValue;
        if (nEquals != std::string_view::npos) strValue = std::string(strArg.substr(nEquals + 1));

        const std::optional<TagField> field = FindFieldByName(strName);
        const FlagInfo* pFlag = field ? nullptr : FindFlag(strName);
        if (!field && !pFlag) {
            return Fail("vexlor-decode: unknown option '--" + std::string(strName) + "' (see vexlor-decode --help)");
        }
        const bool bNeedsValue = field || pFlag->bTakesValue;
        if (bNeedsValue && !strValue) {
            if (i + 1 >= args.size() || LooksLikeOption(args[i + 1])) {
                return Fail("vexlor-decode: option '--" + std::string(strName) + "' needs a value");
            }
            strValue = args[++i];
        }
        if (field) {
            overrides.emplace_back(*field, std::move(*strValue));
            continue;
        }
        if (strValue && !pFlag->bTakesValue && !pFlag->bOptionalValue) {
            return Fail("vexlor-decode: option '--" + std::string(strName) + "' takes no value");
        }
        switch (pFlag->flag) {
            case Flag::Sample: bSample = true; break;
            case Flag::Json: options.bJson = true; break;
            case Flag::Help: bHelp = true; break;
            case Flag::Version: bVersion = true; break;
            case Flag::Save: options.strSavePath = std::move(*strValue); break;
            case Flag::SaveDefault: options.bSaveDefault = true; break;
            case Flag::Force: options.bForce = true; break;
            case Flag::Open: options.bOpen = true; break;
            case Flag::Batch:
                bBatch = true;
                if (!strValue && i + 1 < args.size() && !LooksLikeOption(args[i + 1])) strValue = args[++i];
                options.strBatchFile = strValue.value_or("");
                break;
            case Flag::Read: options.strReadPath = std::move(*strValue); break;
            case Flag::None: break;
        }
    }

    if (bHelp) {
        options.action = CliAction::Help;
        return ParseOutcome{std::move(options), {}};
    }
    if (bVersion) {
        options.action = CliAction::Version;
        return ParseOutcome{std::move(options), {}};
    }
    if (bBatch) {
        if (bSample || !overrides.empty() || options.strSavePath || options.bSaveDefault || options.bForce ||
            options.bOpen || options.strReadPath) {
            return Fail("vexlor-decode: --batch reads every tag from its input and takes no other option but --json");
        }
        options.action = CliAction::Batch;
        return ParseOutcome{std::move(options), {}};
    }
    if (options.strReadPath && (bSample || !overrides.empty())) {
        return Fail(
            "vexlor-decode: --read takes the whole tag from the file; give no field option or --sample with it");
    }
    if (options.strSavePath && options.bSaveDefault) {
        return Fail("vexlor-decode: give either --save PATH or --save-default, not both");
    }
    if (options.strSavePath && options.strSavePath->empty()) {
        return Fail("vexlor-decode: option '--save' needs a file name");
    }
    if ((options.bForce || options.bOpen) && !options.strSavePath && !options.bSaveDefault) {
        return Fail("vexlor-decode: --force and --open go with --save PATH or --save-default");
    }

    if (bSample) options.fields = SampleTagFields();
    options.fields.strYear = bSample ? options.fields.strYear : "1967";
    for (auto& [field, strText] : overrides) FieldText(options.fields, field) = std::move(strText);
    return ParseOutcome{std::move(options), {}};
}

}  // namespace vexlor
