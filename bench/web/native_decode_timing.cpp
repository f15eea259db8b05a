// The native side of bench/web_core_timing.sh: nanoseconds per decode over
// the tags of a JSON Lines file (ASCII texts by the command line's names).
//   vexlor_native_decode_timing TAGS.jsonl ROUNDS
#include <cstdlib>
#include <fstream>
#include <iostream>

#include <nlohmann/json.hpp>

#include "decode_timing.h"
#include "decoder/field_names.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: vexlor_native_decode_timing TAGS.jsonl ROUNDS\n";
        return 2;
    }
    std::vector<vexlor::TagFields> tags;
    std::ifstream in(argv[1]);
    for (std::string strLine; std::getline(in, strLine);) {
        vexlor::TagFields& fields = tags.emplace_back();
        fields.strYear = "1967";
        const nlohmann::json tag = nlohmann::json::parse(strLine);
        for (auto it = tag.begin(); it != tag.end(); ++it) {
            if (const auto field = vexlor::FindFieldByName(it.key())) FieldText(fields, *field) = it->get<std::string>();
        }
    }
    std::cout << static_cast<long long>(vexlor::bench::NsPerDecode(tags, std::atoi(argv[2]))) << '\n';
    return 0;
}
