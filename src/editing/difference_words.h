// The differences between two configurations in the editor's own words: where ("USA channel
// 16 — Tag Name"), the node that shows it, and the two values as the panels show them.
#pragma once

#include <string>
#include <vector>

#include "editing/node_keys.h"
#include "files/config_diff.h"
#include "model/configuration.h"

namespace rse {

struct DifferenceRow {
    std::string where;       // UTF-8
    nodes::NodeKey nodeKey;  // the tree node that shows the field; empty for a memory byte
    std::string before;      // 8-bit texts, as the model holds them
    std::string after;
    // The same three texts as marked source texts, for the programs to translate.
    Phrase wherePhrase{};
    Phrase beforePhrase{};
    Phrase afterPhrase{};
};

// `config` names the channels (its plan positions give the channel numbers).
std::vector<DifferenceRow> DescribeDifferences(const ConfigDifferences& differences,
                                               const Configuration& config);

}  // namespace rse
