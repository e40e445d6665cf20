#pragma once

#include "Canvas.h"
#include "Manifest.h"

// One painter per family of pictures. Each draws into a fresh transparent
// canvas of the entry's size.
void paintBallerina(Canvas& c, int frame, bool guardian);
void paintRacer(Canvas& c, int frame);
void paintCat(Canvas& c, int frame);
void paintTalent(Canvas& c, int set, int frame);
void paintMuse(Canvas& c, int frame);
void paintGrowingMuse(Canvas& c, int frame);
void paintBlossom(Canvas& c, int set, int frame);
void paintEffect(Canvas& c, int set, int frame);
void paintFloor(Canvas& c, int frame);
void paintFont(Canvas& c);
void paintGlyph(Canvas& c, int number);
void paintStageMark(Canvas& c, int number);
void paintInterface(Canvas& c, int number);
void paintMenu(Canvas& c, int number);
void paintRank(Canvas& c, int rank);
void paintLevel(Canvas& c, int number);
void paintWorldMap(Canvas& c);
void paintPreview(Canvas& c, int level);
void paintTitle(Canvas& c, int number);
void paintLoading(Canvas& c, int number);

// The picture of a manifest entry (pictures only).
Image paintEntry(const AssetEntry& e);
