#include <stdio.h>

#define GRENZE 5

/* Größter gemeinsamer Teiler */
int ggT(int a, int b) {
    while (b != 0) {
        int r = a % b;
        a = b;
        b = r;
    }
    return a;
}

int fak(int n) {
    if (n <= 1)
        return 1;
    return n * fak(n - 1);
}

int istPrim(int n) {
    if (n < 2)
        return 0;
    for (int t = 2; t * t <= n; t++) {
        if (n % t == 0)
            return 0;
    }
    return 1;
}

int summe(int werte[], int anzahl) {
    int s = 0;
    for (int i = 0; i < anzahl; i++)
        s += werte[i];
    return s;
}

int main(void) {
    int n, m;
    scanf("%d %d", &n, &m);
    printf("ggT: %d\n", ggT(n, m));
    printf("Fakultät von %d: %d\n", GRENZE, fak(GRENZE));
    int prim[100];
    int anzahl = 0;
    for (int i = 2; i <= n; i++) {
        if (istPrim(i)) {
            prim[anzahl] = i;
            anzahl++;
        }
    }
    printf("Primzahlen bis %d = %d\n", n, anzahl);
    printf("Summe: %d\n", summe(prim, anzahl));
    int k = 10;
    do {
        k -= 3;
    } while (k >= 0);
    printf("k = %d\n", k);
    for (int j = 10; j > 0; j -= 3) {
        if (j % 2 == 0)
            printf("%d gerade\n", j);
        else if (j == 7)
            printf("%d sieben\n", j);
        else
            printf("%d ungerade\n", j);
    }
    switch (m % 3) {
    case 0:
        printf("durch 3 teilbar\n");
        break;
    case 1:
    case 2:
        printf("Rest %d\n", m % 3);
        break;
    }
    int werte[3] = {4, 8, 15};
    int z = 0;
    while (z < 3) {
        printf("%d %d\n", werte[z] / 3, werte[z] % 3);
        z++;
    }
    return 0;
}
