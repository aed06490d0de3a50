#pragma once

// The part meshes of the fly, each in the fly's shared coordinate system.

#include "FlyShape.h"
#include "MeshBuilder.h"

namespace assetgen::fly {

enum class BristleKind { Wild, Forked, Javelin, Shaven };
enum class WingPose { Wild, Vestigial, Curly, Curled, Curved };

MeshBuilder HeadMesh(); // head and proboscis
MeshBuilder EyesMesh(EyeShape shape);
MeshBuilder ThoraxMesh(); // thorax, scutellum, legs and halteres
MeshBuilder AbdomenMesh(bool male);
MeshBuilder BristlesMesh(BristleKind kind);
MeshBuilder WingsMesh(WingPose pose);
MeshBuilder AntennaeMesh();

} // namespace assetgen::fly
