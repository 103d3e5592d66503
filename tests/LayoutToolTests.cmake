# The layout tool on small fixture layouts: its output, its exit status and
# the files it writes.
set(fixtures ${CMAKE_CURRENT_SOURCE_DIR}/fixtures/layouts)
set(scratch ${CMAKE_CURRENT_BINARY_DIR}/layout-tool)
file(MAKE_DIRECTORY ${scratch})

# layout_tool_test(NAME STATUS ARGS... [EXPECTED file] [PRODUCED file WANTED file])
function(layout_tool_test name status)
  cmake_parse_arguments(PARSE_ARGV 2 run "" "EXPECTED;PRODUCED;WANTED" "")
  string(REPLACE ";" "|" words "${run_UNPARSED_ARGUMENTS}")
  add_test(NAME layout-tool.${name}
           COMMAND ${CMAKE_COMMAND} -DTOOL=$<TARGET_FILE:tavrek-layout> "-DARGS=${words}"
                   -DSTATUS=${status} -DEXPECTED=${run_EXPECTED} -DPRODUCED=${run_PRODUCED}
                   -DWANTED=${run_WANTED} -P ${CMAKE_CURRENT_SOURCE_DIR}/RunLayoutTool.cmake)
endfunction()

layout_tool_test(check-lists-tiles-in-index-order-with-free-flags 1 check ${fixtures}/three.tvl
                 EXPECTED ${fixtures}/three.check)
layout_tool_test(check-reads-grid-only-with-grid-option 1 check --grid ${fixtures}/three.grid
                 EXPECTED ${fixtures}/three.grid.check)
layout_tool_test(check-reads-k-file-as-lines-without-option 1 check ${fixtures}/three.grid
                 EXPECTED ${fixtures}/three.grid.as-lines.check)
layout_tool_test(check-accepts-144-tiles 0 check ${fixtures}/terrace.tvl EXPECTED ${fixtures}/terrace.check)
layout_tool_test(check-reads-308-bytes-as-binary 0 check ${fixtures}/terrace.bin
                 EXPECTED ${fixtures}/terrace.bin.check)
layout_tool_test(check-refuses-overlapping-tiles 1 check ${fixtures}/overlap.tvl
                 EXPECTED ${fixtures}/overlap.check)
layout_tool_test(check-missing-file 2 check ${scratch}/missing.tvl)
layout_tool_test(check-without-file 2 check)
layout_tool_test(unknown-command 2 shuffle ${fixtures}/terrace.tvl)

layout_tool_test(deal-replays-every-game 0 deal --games 20 ${fixtures}/terrace.tvl
                 EXPECTED ${fixtures}/terrace.deal)
# Only the two ends of the roof's ridge are free, and the dealer always gives
# its first pair matching faces: one pair at the start of every deal.
layout_tool_test(deal-counts-pairs-free-at-the-start 0 deal --games 20 ${fixtures}/roof.tvl
                 EXPECTED ${fixtures}/roof.deal)
layout_tool_test(deal-refuses-layout-without-144-tiles 1 deal ${fixtures}/three.tvl)
layout_tool_test(deal-refuses-zero-games 2 deal --games 0 ${fixtures}/terrace.tvl)
layout_tool_test(deal-refuses-games-without-number 2 deal ${fixtures}/terrace.tvl --games)

layout_tool_test(convert-writes-lines-as-the-game-saves 0 convert ${fixtures}/terrace.bin --to line
                 ${scratch}/terrace.lines PRODUCED ${scratch}/terrace.lines WANTED ${fixtures}/terrace.lines)
layout_tool_test(convert-writes-binary-records 0 convert ${fixtures}/terrace.tvl --to binary
                 ${scratch}/terrace.bin PRODUCED ${scratch}/terrace.bin WANTED ${fixtures}/terrace.bin)
layout_tool_test(convert-writes-grid 0 convert ${fixtures}/three.tvl --to grid ${scratch}/three.grid
                 PRODUCED ${scratch}/three.grid WANTED ${fixtures}/three.grid)
layout_tool_test(convert-reads-grid-with-option 0 convert --grid ${fixtures}/three.grid --to line
                 ${scratch}/three.lines PRODUCED ${scratch}/three.lines WANTED ${fixtures}/three.lines)
layout_tool_test(convert-refuses-binary-without-144-tiles 1 convert ${fixtures}/three.tvl --to binary
                 ${scratch}/three.bin PRODUCED ${scratch}/three.bin)
layout_tool_test(convert-refuses-unknown-format 2 convert ${fixtures}/three.tvl --to picture
                 ${scratch}/three.pic PRODUCED ${scratch}/three.pic)

layout_tool_test(preview-refuses-empty-size 2 preview ${fixtures}/terrace.tvl ${scratch}/terrace.bmp --size 0x10
                 PRODUCED ${scratch}/terrace.bmp)
layout_tool_test(preview-refuses-unreadable-tile-set 2 preview ${fixtures}/terrace.tvl ${scratch}/terrace.bmp
                 --tileset ${fixtures}/terrace.tvl PRODUCED ${scratch}/terrace.bmp)
layout_tool_test(preview-refuses-layout-without-144-tiles 1 preview ${fixtures}/three.tvl ${scratch}/three.bmp
                 --tileset ${PROJECT_SOURCE_DIR}/data/TILESETS/STANDARD.BMP PRODUCED ${scratch}/three.bmp)
