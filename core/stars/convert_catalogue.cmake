# Turns the Bright Star Catalogue as Debian's xplanet ships it (declination,
# right ascension in hours, magnitude, designation, HR, HD, SAO; brightest
# first) and the committed constellation figures into one C++ source.
# cmake -DCATALOGUE=<BSC> -DFIGURES=<constellation_lines.txt> -DOUTPUT=<cpp> -P convert_catalogue.cmake
file(STRINGS "${CATALOGUE}" lines REGEX "^ *-?[0-9]")
set(rows "")
set(count 0)
set(previous -99)
foreach(line IN LISTS lines)
  if(NOT line MATCHES "^ *(-?[0-9.]+) +([0-9.]+) +(-?[0-9.]+) +\"([^\"]*)\" +([0-9]+)")
    message(FATAL_ERROR "Unreadable line in ${CATALOGUE}: ${line}")
  endif()
  # The program takes the stars to a magnitude limit as a prefix.
  if(CMAKE_MATCH_3 LESS previous)
    message(FATAL_ERROR "${CATALOGUE} is not sorted by magnitude at: ${line}")
  endif()
  set(previous ${CMAKE_MATCH_3})
  set(star "{${CMAKE_MATCH_5},${CMAKE_MATCH_2}f,${CMAKE_MATCH_1}f,${CMAKE_MATCH_3}f")
  string(STRIP "${CMAKE_MATCH_4}" designation)
  string(REGEX REPLACE " +" " " designation "${designation}")
  string(APPEND rows "${star},\"${designation}\"},\n")
  math(EXPR count "${count} + 1")
endforeach()
file(READ "${FIGURES}" figures)
file(WRITE "${OUTPUT}.new" "// Generated from ${CATALOGUE} and ${FIGURES}; do not edit.
#include \"star_catalogue.h\"
namespace zenlith::stars {
namespace {
const CatalogueStar table[${count}] = {
${rows}};
}  // namespace
std::span<const CatalogueStar> catalogueStars() { return table; }
std::string_view constellationFiguresText() { return R\"figures(${figures})figures\"; }
}  // namespace zenlith::stars
")
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")
