// The pictures of the single-channel window as pixel art: the window icon, nine button
// icons and the three mouse-mode cursors. The two open-hand cursors show the same
// pictures as the "Move" and "Move wave" buttons.
#include "resources/Spctm1CImages.h"

#include "resources/Spctm1CResources.h"

namespace {

// Colours of the pixel art (0xAARRGGBB); '.' is transparent.
constexpr std::uint32_t kBlack = 0xFF000000u;
constexpr std::uint32_t kLens = 0xFFBEE6FFu;
const std::map<char, std::uint32_t> kPalette = {
    {'#', kBlack}, {'w', 0xFFFFFFFFu}, {'g', 0xFFBEBEBEu}, {'k', 0xFF505050u}, {'c', kLens},
    {'y', 0xFFFACD28u}, {'o', 0xFFF08C14u}, {'p', 0xFFF096AAu}, {'s', 0xFFEBC896u}, {'r', 0xFFDC1E1Eu},
    {'G', 0xFF28AA3Cu}, {'b', 0xFF1E46DCu}, {'m', 0xFFAA28AAu}, {'l', 0xFFC8EBBEu},
};

// `extra` adds or overrides palette entries for this picture.
IconResource icon(UINT id, std::initializer_list<const char*> rows, const std::map<char, std::uint32_t>& extra = {}) {
  std::map<char, std::uint32_t> palette = extra;
  palette.insert(kPalette.begin(), kPalette.end());
  IconResource r;
  r.id = id;
  r.argb = ImageResource::pixelArt(rows, palette, r.width, r.height);
  return r;
}

// The picture with black letters drawn over it, their top-left at (x, y).
IconResource lettered(IconResource picture, std::initializer_list<const char*> letters, int x, int y) {
  int width = 0, height = 0;
  const std::vector<std::uint32_t> ink = ImageResource::pixelArt(letters, kPalette, width, height);
  for (int row = 0; row < height; ++row) {
    for (int col = 0; col < width; ++col) {
      const std::uint32_t pixel = ink[static_cast<size_t>(row * width + col)];
      if (pixel != 0) picture.argb[static_cast<size_t>((y + row) * picture.width + x + col)] = pixel;
    }
  }
  return picture;
}

CursorResource cursor(UINT id, CPoint hotSpot, const ImageResource& image) {
  CursorResource r;
  static_cast<ImageResource&>(r) = image;
  r.id = id;
  r.hotSpot = hotSpot;
  return r;
}

}  // namespace

void addSpctm1CImages(ResourceModule& module) {
  // A small spectrogram: two bursts over a cool background.
  module.addIcon(icon(IDI_SPCTM1C_WINDOW, {
      "################",
      "#bbbbbbbbbbbbbb#",
      "#bbbbbbbbbbbbbb#",
      "#bbbbbbbbbbbbbb#",
      "#bbbcGGGcbbbbbb#",
      "#bbcGoooGcbbbbb#",
      "#bbcyrrrycbbbbb#",
      "#bbcGoooGcbbbbb#",
      "#bbbcGGGcbbbbbb#",
      "#bbbbbbbbbbbbbb#",
      "#bbbbbbbbcGGGbb#",
      "#bbbbbbbbcyyycb#",
      "#bbbbbbbbbGGGbb#",
      "#bbbbbbbbbbbbbb#",
      "#bbbbbbbbbbbbbb#",
      "################",
  }));
  // A pencil drawing a coloured line.
  module.addIcon(icon(IDI_SPCTM1C_SETTING, {
      "...................##..",
      "..................#pp#.",
      ".................#pppp#",
      "................#ggpp#.",
      "...............#yygg#..",
      "..............#yyoo#...",
      ".............#yyoo#....",
      "............#yyoo#.....",
      "...........#yyoo#......",
      "..........#yyoo#.......",
      ".........#yyoo#........",
      "........#yyoo#.........",
      ".......#ssss#..........",
      "......#sss#............",
      ".....#s##..............",
      "....###................",
      "...##..................",
      "...rrrr......GGGcc.....",
      "...rrrroooyyyGGGcccbbbb",
      ".......oooyyy.....cbbbb",
      ".......................",
  }));
  // The arrow pointer.
  module.addIcon(icon(IDI_SPCTM1C_NORMAL, {
      "#...........",
      "##..........",
      "#w#.........",
      "#ww#........",
      "#www#.......",
      "#wwww#......",
      "#wwwww#.....",
      "#wwwwww#....",
      "#wwwwwww#...",
      "#wwwwwwww#..",
      "#wwwwwwwww#.",
      "#wwwwwwwwww#",
      "#wwwwww#####",
      "#www#ww#....",
      "#ww#.#ww#...",
      "#w#..#ww#...",
      "##....#ww#..",
      "#.....#ww#..",
      ".......#ww#.",
      "........##..",
  }));
  // A magnifier with a plus ("In") and with a minus ("out"): the plus's upright bar, 'v',
  // is lens colour in the minus.
  const std::initializer_list<const char*> magnifier = {
      ".......................",
      ".........##............",
      "......########.........",
      "....#####cc#####.......",
      "...###cccccccc###......",
      "...##cccccccccc##......",
      "..##cccccvvccccc##.....",
      "..##cccccvvccccc##.....",
      "..##cccccvvccccc##.....",
      ".##ccc########ccc##....",
      ".##ccc########ccc##....",
      "..##cccccvvccccc##.....",
      "..##cccccvvccccc##.....",
      "..##cccccvvccccc##.....",
      "...##cccccccccc##......",
      "...###cccccccc###......",
      "....#####cc#####kk.....",
      "......########..kkk....",
      ".........##......kkk...",
      "..................kkk..",
      "...................kkk.",
      "....................kkk",
      ".....................k.",
  };
  module.addIcon(icon(IDI_SPCTM1C_ZOOM_IN, magnifier, {{'v', kBlack}}));
  module.addIcon(icon(IDI_SPCTM1C_ZOOM_OUT, magnifier, {{'v', kLens}}));
  // Calculators labelled AM and SM: one body, its display lettered.
  const std::initializer_list<const char*> calculator = {
      ".#################.",
      "#ggggggggggggggggg#",
      "#g###############g#",
      "#g#lllllllllllll#g#",
      "#g#lllllllllllll#g#",
      "#g#lllllllllllll#g#",
      "#g#lllllllllllll#g#",
      "#g#lllllllllllll#g#",
      "#g#lllllllllllll#g#",
      "#g#lllllllllllll#g#",
      "#g#lllllllllllll#g#",
      "#g#lllllllllllll#g#",
      "#g###############g#",
      "#ggggggggggggggggg#",
      "#gkkkgkkkgkkkgooog#",
      "#gkkkgkkkgkkkgooog#",
      "#ggggggggggggggggg#",
      "#gkkkgkkkgkkkgooog#",
      "#gkkkgkkkgkkkgooog#",
      "#ggggggggggggggggg#",
      "#gkkkgkkkgkkkgooog#",
      "#gkkkgkkkgkkkgooog#",
      "#ggggggggggggggggg#",
      ".#################.",
  };
  module.addIcon(lettered(icon(IDI_SPCTM1C_AM, calculator), {
      ".###..#...#",
      "#...#.##.##",
      "#...#.#.#.#",
      "#####.#.#.#",
      "#...#.#...#",
      "#...#.#...#",
      "#...#.#...#",
  }, 4, 4));
  module.addIcon(lettered(icon(IDI_SPCTM1C_SM, calculator), {
      ".####.#...#",
      "#.....##.##",
      "#.....#.#.#",
      ".###..#.#.#",
      "....#.#...#",
      "....#.#...#",
      "####..#...#",
  }, 4, 4));
  // The words ALL Chnl.
  module.addIcon(icon(IDI_SPCTM1C_ALL_SNS, {
      "....bbb..b.....b......",
      "...b...b.b.....b......",
      "...b...b.b.....b......",
      "...bbbbb.b.....b......",
      "...b...b.b.....b......",
      "...b...b.b.....b......",
      "...b...b.bbbbb.bbbbb..",
      "......................",
      "......................",
      "..###..#...........##.",
      ".#...#.#............#.",
      ".#.....#.##..#.##...#.",
      ".#.....##..#.##..#..#.",
      ".#.....#...#.#...#..#.",
      ".#...#.#...#.#...#..#.",
      "..###..#...#.#...#.###",
  }));

  // An open hand over a colour band ("Move"): the button and the cursor.
  const IconResource move = icon(IDI_SPCTM1C_MOVE, {
      "................................",
      "................##..............",
      "...............#ww###...........",
      ".............###ww#ww#..........",
      "............#ww#ww#ww###........",
      "............#ww#ww#ww#ww#.......",
      "............#ww#ww#ww#ww#.......",
      ".........##.#ww#ww#ww#ww#.......",
      ".........#ww#ww#ww#ww#ww#.......",
      ".........#ww#ww#ww#ww#ww#.......",
      ".........#ww#wwwwwwwwwww#.......",
      "###########wwwwwwwwwwwww########",
      "#bbbcccccGG#wwwwwwwwwwww#rrrrmm#",
      "#bbbcccccGG#wwwwwwwwwwww#rrrrmm#",
      "#bbbcccccGGG#wwwwwwwwwww#rrrrmm#",
      "#bbbcccccGGG#wwwwwwwwww#rrrrrmm#",
      "#bbbcccccGGGG#wwwwwwwww#rrrrrmm#",
      "#bbbcccccGGGG#wwwwwwwww#rrrrrmm#",
      "#bbbcccccGGGG###########rrrrrmm#",
      "#bbbcccccGGGGGyyyyyooooorrrrrmm#",
      "#bbbcccccGGGGGyyyyyooooorrrrrmm#",
      "################################",
      "................................",
      "................................",
  });
  module.addIcon(move);
  module.addCursor(cursor(IDC_SPCTM1C_CURSOR_MOVE, CPoint(17, 13), move));

  // An open hand over a waveform ("Move wave"): the button and the cursor.
  const IconResource moveWave = icon(IDI_SPCTM1C_MOVE_WAVE, {
      "...............................",
      "................##.............",
      "...............#ww###..........",
      ".............###ww#ww#.........",
      "............#ww#ww#ww###.......",
      "............#ww#ww#ww#ww#......",
      "............#ww#ww#ww#ww#......",
      ".........##.#ww#ww#ww#ww#......",
      ".........#ww#ww#ww#ww#ww#......",
      ".........#ww#ww#ww#ww#ww#......",
      ".........#ww#wwwwwwwwwww#......",
      "..........#wwwwwwwwwwwww#..bbb.",
      "...........#wwwwwwwwwwww#.bbbbb",
      "..........b#wwwwwwwwwwww#bb..bb",
      ".........bb.#wwwwwwwwwww#b....b",
      ".........bb.#wwwwwwwwww#bb....b",
      ".bb.....bb...#wwwwwwwww#b......",
      ".bb.....bb...#wwwwwwwww#b......",
      "..bb...bb....###########.......",
      "..bb...bb........bb...bb.......",
      "...bb.bb..........bb.bb........",
      "...bbbb...........bbbb.........",
      "....bb.............bb..........",
      "...............................",
  });
  module.addIcon(moveWave);
  module.addCursor(cursor(IDC_SPCTM1C_CURSOR_MOVE_WAVE, CPoint(17, 13), moveWave));

  // A pointing hand, the finger tip at the hot spot: the cursor of selecting.
  module.addCursor(cursor(IDC_SPCTM1C_CURSOR_NORMAL, CPoint(12, 3), icon(0, {
      ".......................",
      ".......................",
      "...........##..........",
      "..........#ww#.........",
      "..........#ww#.........",
      "..........#ww#.........",
      "..........#ww#.........",
      "..........#ww###.......",
      "..........#ww#ww###....",
      "..........#ww#ww#ww###.",
      "..........#ww#ww#ww#ww#",
      "......###.#ww#ww#ww#ww#",
      ".....#www##ww#ww#ww#ww#",
      "......#www#wwwwwwwwwww#",
      ".......#wwwwwwwwwwwwww#",
      "........#wwwwwwwwwwwww#",
      "........#wwwwwwwwwwwww#",
      ".........#wwwwwwwwwww#.",
      "..........#wwwwwwwww#..",
      "..........#wwwwwwwww#..",
      "..........###########..",
  })));
}
