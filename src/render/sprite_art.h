#pragma once
// The drawers of the default sprite set, one per kind of object. Each gets
// the canvas (black) and the index of the object within its run of object
// numbers (Bug Left, Up, Right, Down are one run), and looks its colours
// and shapes up in its own tables.
#include "render/sprite_canvas.h"

namespace pyrovel::art {

// Ground, rock and gems.
void drawDirt(Canvas& c, int variant);  // 0 dirt, 1 dirt 2, 2 poison dirt, 3 invisible dirt
void drawRock(Canvas& c, int variant);  // 0 rock, 1 rock being born
void drawDiamond(Canvas& c, int variant);
void drawEmerald(Canvas& c, int variant);
void drawPearl(Canvas& c, int variant);
void drawCrystal(Canvas& c, int variant);
void drawNut(Canvas& c, int variant);
void drawSand(Canvas& c, int variant);    // 0 quicksand, 1 with a stone in it
void drawAmoeba(Canvas& c, int variant);  // 0 amoeba, 1 drop, 2 stationary
void drawSlime(Canvas& c, int variant);
void drawGlue(Canvas& c, int variant);
void drawAcid(Canvas& c, int variant);  // 0 acid, 1 fixed acid
void drawAcidBox(Canvas& c, int part);  // top left, top right, bottom left, bottom right, bottom
void drawBiomaze(Canvas& c, int variant);

// Walls.
void drawSteel(Canvas& c,
               int variant);  // 0 solid wall, 1 hidden exit, 2 invisible steel, 3 slanted
void drawWallPattern(Canvas& c, int pattern);  // patterns 1..10 as 0..9
void drawMagicWall(Canvas& c, int variant);    // 0 magic wall, 1 with a rock
void drawCrumbleWall(Canvas& c, int stage);    // 0..4
void drawInvisibleWall(Canvas& c, int variant);
void drawExpandingWall(Canvas& c, int variant);  // both ways, horizontal, vertical
void drawGemWall(Canvas& c, int gem);            // diamond, emerald, pearl, crystal

// Creatures and players.
void drawFellow(Canvas& c, int variant);  // 0 Little Fellow, 1 Fellow2, 2 stuck in glue
void drawBug(Canvas& c, int facing);      // Facing order Left, Up, Right, Down
void drawShip(Canvas& c, int facing);
void drawYam(Canvas& c, int variant);  // 0 random, 1..4 Left, Up, Right, Down
void drawElectron(Canvas& c, int facing);
void drawSnikSnak(Canvas& c, int facing);
void drawFirefly(Canvas& c, int facing);
void drawButterfly(Canvas& c, int facing);
void drawPacman(Canvas& c, int facing);
void drawMole(Canvas& c, int facing);
void drawRobot(Canvas& c, int variant);
void drawGrover(Canvas& c, int variant);
void drawStitch(Canvas& c, int variant);

// Doors, keys, exits and gates.
void drawDoor(Canvas& c, int object);  // looks the door up by object number
void drawKey(Canvas& c, int object);
void drawExit(Canvas& c, int variant);  // 0 closed, 1 open
void drawHatch(Canvas& c, int variant);
void drawGate(Canvas& c, int variant);    // 0 switch gate open, 1 closed, 2 time gate
void drawSwitch(Canvas& c, int variant);  // 0 gate switch, 1 light switch
void drawTrap(Canvas& c, int variant);    // 0 inactive, 1 active
void drawForcefield(Canvas& c, int variant);

// Tubes, belts, wind and springs.
void drawPort(Canvas& c, int object);      // the arrowed tubes 35..46
void drawPipe(Canvas& c, int object);      // the joined tubes 158..168
void drawConveyor(Canvas& c, int object);  // 187..198
void drawWind(Canvas& c, int variant);     // 0 cross, 1..4 Left, Up, Right, Down, 5 still
void drawSpring(Canvas& c, int variant);   // 0 horizontal, 1 vertical

// Things.
void drawBomb(Canvas& c, int variant);      // 0 bomb, 1 supabomb, 2 mine
void drawDynamite(Canvas& c, int variant);  // 0 lying, 1 lit
void drawExplosion(Canvas& c, int variant);
void drawWheel(Canvas& c, int variant);  // 0 wheel, 1 time-gate wheel
void drawTerminal(Canvas& c, int variant);
void drawDisk(Canvas& c, int variant);
void drawClock(Canvas& c, int variant);
void drawNote(Canvas& c, int variant);
void drawLightbulb(Canvas& c, int variant);
void drawSign(Canvas& c, int variant);
void drawCandy(Canvas& c, int variant);
void drawBalloon(Canvas& c, int variant);

// Lettering.
void drawLetterTile(Canvas& c, int object);  // 100..145: letters, digits, signs, arrows
void drawSmallDigit(Canvas& c, int digit);
void drawPlaceholder(Canvas& c, int object);

}  // namespace pyrovel::art
