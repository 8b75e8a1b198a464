#pragma once
// The data within a radius of a point, in dataset order, with their distances: the scan that
// every radius of the neighbour search makes.
//
// A datum whose x or y differs from the point's by more than the radius lies outside: its
// distance, rounded as it is, is never below either difference.  Such data are passed over
// before their distance (a square root) is formed, four at a time with SSE2, which every x86-64
// has.  The data that remain are tested exactly as one by one, so the result is the same.  Cost:
// about n/4 vector steps plus a square root for each datum in the square around the circle.

// Returns how many data lie within (distance <= radius; a distance that is not a number never
// does).  The first `capacity` of them are stored: their indices in index[], their distances in
// distance[].
int dataWithin(const float x[], const float y[], int n, float x0, float y0, float radius,
               int index[], float distance[], int capacity);
