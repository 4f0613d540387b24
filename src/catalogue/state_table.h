#pragma once
// The 50 US state buttons: each state's code, name and centre, and the texts
// formed from them. Centres are signed decimal degrees (north and WEST
// positive), passed on as they stand.

#include <string>
#include <string_view>
#include <vector>

namespace qvk {

struct UsState {
    std::string_view code;  // the button's caption, "AL"
    std::string_view hint;  // the button's hint, "Alabama"
    double centreLatitude;
    double centreLongitude;
    // The name in the state's texts. Tennessee's is "Tennnessee", three n's, in
    // all of them; the hint spells it right.
    std::string_view textName;

    std::string tag() const { return std::string(code) + "~"; }
    std::string centreCaption() const { return "Central " + std::string(textName); }
    std::string cityListFile() const { return "statedata/" + std::string(code) + ".txt"; }
    std::string listText() const { return std::string(textName) + " Center"; }
    std::string noListText() const { return "No " + std::string(textName) + " City List"; }
};

// The states in button order: button n is usStates()[n - 1].
const std::vector<UsState>& usStates();

}  // namespace qvk
