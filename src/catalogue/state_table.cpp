#include "catalogue/state_table.h"

namespace qvk {

const std::vector<UsState>& usStates()
{
    // clang-format off
    static const std::vector<UsState> states = {
        {"AL", "Alabama", 32.39, 86.43, "Alabama"},
        {"AK", "Alaska", 65.10, 152.04, "Alaska"},
        {"AZ", "Arizona", 34.18, 112.09, "Arizona"},
        {"AR", "Arkansas", 34.44, 92.17, "Arkansas"},
        {"CA", "California", 36.57, 120.03, "California"},
        {"CO", "Colorado", 39.14, 105.60, "Colorado"},
        {"CT", "Connecticut", 41.37, 72.46, "Connecticut"},
        {"DE", "Delaware", 39.09, 75.31, "Delaware"},
        {"FL", "Florida", 29.11, 82.08, "Florida"},
        {"GA", "Georgia", 32.48, 83.10, "Georgia"},
        {"HI", "Hawaii", 21.18, 157.51, "Hawaii"},
        {"ID", "Idaho", 45.49, 115.26, "Idaho"},
        {"IL", "Illinois", 40.08, 89.21, "Illinois"},
        {"IN", "Indiana", 39.46, 86.09, "Indiana"},
        {"IA", "Iowa", 42.11, 93.35, "Iowa"},
        {"KS", "Kansas", 38.31, 98.32, "Kansas"},
        {"KY", "Kentucky", 37.22, 85.54, "Kentucky"},
        {"LA", "Louisiana", 31.00, 92.17, "Louisiana"},
        {"ME", "Maine", 45.09, 69.21, "Maine"},
        {"MD", "Maryland", 38.58, 76.29, "Maryland"},
        {"MA", "Massachusetts", 42.23, 72.05, "Massachusetts"},
        {"MI", "Michigan", 43.24, 84.36, "Michigan"},
        {"MN", "Minnesota", 46.21, 94.47, "Minnesota"},
        {"MS", "Mississippi", 32.36, 90.02, "Mississippi"},
        {"MO", "Missouri", 38.37, 92.33, "Missouri"},
        {"MT", "Montana", 47.03, 109.25, "Montana"},
        {"NE", "Nebraska", 41.49, 100.06, "Nebraska"},
        {"NV", "Nevada", 39.29, 117.04, "Nevada"},
        {"NH", "New Hampshire", 43.53, 71.40, "New Hampshire"},
        {"NJ", "New Jersey", 40.20, 74.39, "New Jersey"},
        {"NM", "New Mexico", 34.31, 106.14, "New Mexico"},
        {"NY", "New York", 42.36, 76.10, "New York"},
        {"NC", "North Carolina", 35.42, 79.48, "North Carolina"},
        {"ND", "North Dakota", 47.29, 100.26, "North Dakota"},
        {"OH", "Ohio", 39.57, 82.59, "Ohio"},
        {"OK", "Oklahoma", 35.28, 97.30, "Oklahoma"},
        {"OR", "Oregon", 44.18, 120.50, "Oregon"},
        {"PA", "Pennsylvania", 40.47, 77.51, "Pennsylvania"},
        {"RI", "Rhode Island", 41.49, 71.24, "Rhode Island"},
        {"SC", "South Carolina", 34.00, 81.02, "South Carolina"},
        {"SD", "South Dakota", 44.22, 100.21, "South Dakota"},
        {"TN", "Tennessee", 35.49, 86.04, "Tennnessee"},
        {"TX", "Texas", 31.08, 99.20, "Texas"},
        {"UT", "Utah", 39.42, 111.50, "Utah"},
        {"VT", "Vermont", 43.55, 72.39, "Vermont"},
        {"VA", "Virginia", 37.16, 79.56, "Virginia"},
        {"WA", "Washington", 47.38, 120.04, "Washington"},
        {"WV", "West Virginia", 38.39, 80.42, "West Virginia"},
        {"WI", "Wisconsin", 44.40, 90.10, "Wisconsin"},
        {"WY", "Wyoming", 43.14, 108.06, "Wyoming"},
    };
    // clang-format on
    return states;
}

}  // namespace qvk
