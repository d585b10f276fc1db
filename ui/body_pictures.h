#pragma once
// Each body's picture appears twice: as its chart marker and as its legend
// thumbnail, with the body's name beside the thumbnail.
#include <array>
#include <string_view>

namespace zenlith {

struct BodyPicture {
    std::string_view marker;     // inside Frame5
    std::string_view thumbnail;  // inside Frame1
    std::string_view label;      // the thumbnail's name label
    std::string_view name;
    std::string_view picture;
};

inline constexpr std::array bodyPictures{
    BodyPicture{"saturn", "Image7", "Label12", "שבתאי", "saturn"},
    BodyPicture{"jupiter", "Image4", "Label9", "צדק", "jupiter"},
    BodyPicture{"neptun", "Image1", "Label1", "נפטון", "neptune"},
    BodyPicture{"sun", "Image8", "Label13", "שמש", "sun"},
    BodyPicture{"venus", "Image5", "Label10", "נוגה", "venus"},
    BodyPicture{"mercury", "Image2", "Label6", "כ. חמה", "mercury"},
    BodyPicture{"moon1", "Image9", "Label14", "ירח", "moon_small"},
    BodyPicture{"uranus", "Image6", "Label11", "אורנוס", "uranus"},
    BodyPicture{"mars", "Image3", "Label7", "מאדים", "mars"},
};

}  // namespace zenlith
