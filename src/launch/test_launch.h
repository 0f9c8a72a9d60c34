#pragma once

namespace vornik {

struct EditorContext;

// "Тест карты": offers to save the current map, writes its position in the map list as the test
// level and starts the game engine on the project folder. Does nothing without a current map.
void RunMapTest(EditorContext &context);
// "Тест игры": the same with the test level 0, the whole game.
void RunGameTest(EditorContext &context);

} // namespace vornik
