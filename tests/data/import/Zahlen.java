import java.util.Scanner;

public class Zahlen {
    // Größter gemeinsamer Teiler
    static int ggT(int a, int b) {
        while (b != 0) {
            int r = a % b;
            a = b;
            b = r;
        }
        return a;
    }

    static int fak(int n) {
        if (n <= 1) {
            return 1;
        }
        return n * fak(n - 1);
    }

    static boolean istPrim(int n) {
        if (n < 2)
            return false;
        for (int t = 2; t * t <= n; t++) {
            if (n % t == 0)
                return false;
        }
        return true;
    }

    static int summe(int[] werte, int anzahl) {
        int s = 0;
        for (int i = 0; i < anzahl; i++)
            s += werte[i];
        return s;
    }

    public static void main(String[] args) {
        Scanner sc = new Scanner(System.in);
        int n = sc.nextInt();
        int m = sc.nextInt();
        System.out.println("ggT: " + ggT(n, m));
        System.out.println("Fakultät von 5: " + fak(5));
        int[] prim = new int[n];
        int anzahl = 0;
        for (int i = 2; i <= n; i++) {
            if (istPrim(i)) {
                prim[anzahl] = i;
                anzahl++;
            }
        }
        System.out.println("Primzahlen bis " + n + " = " + anzahl);
        System.out.println("Summe: " + summe(prim, anzahl));
        int k = 10;
        do {
            k -= 3;
        } while (k >= 0);
        System.out.println("k = " + k);
        for (int j = 10; j > 0; j -= 3) {
            if (j % 2 == 0) {
                System.out.println(j + " gerade");
            } else if (j == 7) {
                System.out.println(j + " sieben");
            } else {
                System.out.println(j + " ungerade");
            }
        }
        switch (m % 3) {
        case 0:
            System.out.println("durch 3 teilbar");
            break;
        case 1:
        case 2:
            System.out.println("Rest " + m % 3);
            break;
        default:
            System.out.println("nie");
        }
        int[] werte = {4, 8, 15};
        for (int w : werte)
            System.out.println(w / 3 + " " + w % 3);
    }
}
